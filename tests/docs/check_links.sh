#!/usr/bin/env bash
# Checks the relative links of the project's Markdown pages: each [text](path) and
# ![alt](path) in README.md, HACKING.md, docs/*.md and framework/README.md must name a file or
# folder that exists, relative to the page that holds it. A #anchor is ignored; http:, https:
# and mailto: links are skipped. Prints each broken link as PAGE: LINK; exits 1 if any.
#   usage: tests/docs/check_links.sh [REPOSITORY_ROOT]   (default: this script's ../..)
set -uo pipefail
root=${1:-$(dirname "$0")/../..}
broken=0
for page in "$root"/README.md "$root"/HACKING.md "$root"/docs/*.md "$root"/framework/README.md; do
    [ -f "$page" ] || { echo "${page#"$root"/}: no such page"; broken=1; continue; }
    while IFS= read -r link; do
        case $link in http:* | https:* | mailto:*) continue ;; esac
        path=${link%%#*}
        if [ -n "$path" ] && [ ! -e "$(dirname "$page")/$path" ]; then
            echo "${page#"$root"/}: $link"
            broken=1
        fi
    done < <(grep -o '\]([^)]*)' "$page" | sed 's/^](//; s/)$//')
done
exit $broken
