#!/usr/bin/env bash
# Unpacks Debian's source package of Google Benchmark into FOLDER, for the Windows
# benchmarks: Debian ships the library built for Linux only, so the cross build compiles it
# from source. apt reads a private source list and state folder, so the system's apt setup
# is left as it is. Does nothing when FOLDER already holds the sources.
#   usage: tools/fetch-benchmark-source.sh FOLDER
set -euo pipefail
dest=${1:?usage: tools/fetch-benchmark-source.sh FOLDER}
[ -f "$dest/CMakeLists.txt" ] && exit 0

suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial"
echo "deb-src http://deb.debian.org/debian $suite main" >"$work/sources.list"
apt_private=(-q -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o Dir::State::Lists="$work/lists" -o APT::Sandbox::User=root)
apt-get "${apt_private[@]}" update >/dev/null
(cd "$work" && apt-get "${apt_private[@]}" source --download-only benchmark >/dev/null)

orig=$(ls "$work"/benchmark_*.orig.tar.gz)
mkdir -p "$dest"
tar -xzf "$orig" -C "$dest" --strip-components=1
echo "Google Benchmark sources from Debian's $(basename "$orig") in $dest"
