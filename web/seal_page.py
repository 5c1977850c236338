# SPDX-License-Identifier: GPL-3.0-or-later
"""Finishes a built page folder: writes its service worker with the list of files it keeps and a
version made from their contents (a changed file makes a new version), and puts a gzip copy and,
where Debian's brotli tool is installed, a brotli copy beside each file that compresses well.
Usage: seal_page.py PAGE_DIR"""
import gzip
import hashlib
import json
import os
import shutil
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
KEPT = ['index.html', 'tresolo.js', 'tresolo.wasm', 'manifest.webmanifest', 'tresolo.svg',
        'icons/tresolo-48.png', 'icons/tresolo-64.png', 'icons/tresolo-128.png', 'icons/tresolo-256.png',
        'Tresolo-Hilfe.pdf']
# Kept when first opened or at a later start, not while the first visit installs the worker.
LATER = ['Tresolo-Hilfe.pdf']
COMPRESSED = ['.html', '.js', '.wasm', '.webmanifest', '.svg', '.pdf']
# A copy that saves less than this share is left out: the file is served as it is.
LEAST_SAVING = 0.05


def kept_files(page):
    return [name for name in KEPT if (page / name).is_file()]


def version_of(page, names):
    digest = hashlib.sha256()
    for name in names:
        digest.update(name.encode() + b'\0' + (page / name).read_bytes())
    return digest.hexdigest()[:16]


def write_worker(page, names):
    text = (HERE / 'sw.js').read_text()
    now = ['./'] + [name for name in names if name not in LATER]
    later = [name for name in names if name in LATER]
    text = text.replace('@VERSION@', version_of(page, names)).replace('@FILES@', json.dumps(now))
    text = text.replace('@LATER@', json.dumps(later))
    (page / 'sw.js').write_text(text)


def gzip_copy(original, copy):
    copy.write_bytes(gzip.compress(original.read_bytes(), 9, mtime=0))


# The tool gives the copy its file's time in whole seconds, older than the file itself: the copy
# is dated now, so that the server (which sends only a copy as new as its file) takes it.
def brotli_copy(original, copy):
    subprocess.run(['brotli', '--force', '--quality=11', '--output=' + str(copy), str(original)], check=True)
    os.utime(copy)


ENCODERS = [('.gz', gzip_copy, lambda: True), ('.br', brotli_copy, lambda: shutil.which('brotli') is not None)]


# A copy older than its file is made again, or removed where it cannot be.
def compress(original):
    for suffix, make, available in ENCODERS:
        copy = original.with_name(original.name + suffix)
        if copy.exists() and copy.stat().st_mtime >= original.stat().st_mtime:
            continue
        copy.unlink(missing_ok=True)
        if not available():
            continue
        make(original, copy)
        if copy.stat().st_size > original.stat().st_size * (1 - LEAST_SAVING):
            copy.unlink()


def main():
    page = Path(sys.argv[1])
    names = kept_files(page)
    write_worker(page, names)
    for name in names + ['sw.js']:
        if Path(name).suffix in COMPRESSED:
            compress(page / name)


if __name__ == '__main__':
    main()
