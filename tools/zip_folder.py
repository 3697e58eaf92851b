#!/usr/bin/env python3
"""Zips a folder reproducibly: files in name order under one top folder, each with the
same time (SOURCE_DATE_EPOCH, else 1980-01-01) and mode 0644.

Usage: zip_folder.py FOLDER OUTPUT.zip TOP_FOLDER_NAME
"""

import os
import sys
import time
import zipfile
from pathlib import Path


def main(argv):
    if len(argv) != 4:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    folder, output, top = Path(argv[1]), argv[2], argv[3]
    epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
    stamp = time.gmtime(epoch)[:6]
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in sorted(p for p in folder.rglob("*") if p.is_file()):
            entry = zipfile.ZipInfo(f"{top}/{path.relative_to(folder).as_posix()}", stamp)
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, path.read_bytes(), compresslevel=9)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
