#!/usr/bin/env python3
"""Writes NAME.gz (gzip -9 -n) and NAME.br (brotli -q 11, where Debian's brotli is installed)
beside each file of the site that compresses: the page, its scripts, styles, manifest and
icon, the program and the word lists. A static host that serves such siblings (nginx's
gzip_static and brotli_static, tools/serve_site.py) sends them to each browser that accepts
them; one that compresses by itself, or not at all, ignores them. Siblings whose file is
gone are removed, and each is made again only when its file is newer, so a rebuilt site
never serves an old list.

  usage: precompress_site.py SITE
"""
import os
import shutil
import subprocess
import sys

COMPRESSIBLE = ('.html', '.js', '.css', '.json', '.webmanifest', '.wasm', '.txt', '.svg', '.ico')
TOOLS = (('.gz', ['gzip', '-9', '-n', '-c']), ('.br', ['brotli', '-q', '11', '-c']))


def main():
    site = sys.argv[1]
    tools = [(suffix, command) for suffix, command in TOOLS if shutil.which(command[0])]
    if not any(suffix == '.gz' for suffix, _ in tools):
        sys.exit('precompress_site.py: gzip is missing')
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.join(folder, name)
            stem, suffix = os.path.splitext(path)
            if suffix in ('.gz', '.br'):
                if not os.path.isfile(stem):
                    os.remove(path)
                continue
            if not name.endswith(COMPRESSIBLE):
                continue
            for sibling, command in tools:
                target = path + sibling
                if os.path.isfile(target) and os.path.getmtime(target) >= os.path.getmtime(path):
                    continue
                with open(path, 'rb') as source, open(target + '.part', 'wb') as output:
                    subprocess.run(command, stdin=source, stdout=output, check=True)
                os.replace(target + '.part', target)
    return 0


if __name__ == '__main__':
    sys.exit(main())
