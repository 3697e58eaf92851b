#!/usr/bin/env python3
"""Serves a folder over HTTP as a static host serves it (make run-web, the page's tests and
benchmarks): a file's precompressed sibling (NAME.br, NAME.gz) when the request's
Accept-Encoding allows it, as nginx's brotli_static and gzip_static do; a text file without
one compressed on the fly; anything else as it is. Each answer says its Content-Type
(application/wasm for the program, which the browser compiles while it downloads only with
that type), its Content-Encoding, and Vary: Accept-Encoding wherever the encoding depends on
the request. HTTP/1.1 with keep-alive: a browser's requests share a few connections.

  usage: serve_site.py FOLDER [PORT] [--bind ADDRESS]   (defaults: 8080, 127.0.0.1)
"""
import argparse
import email.utils
import gzip
import http.server
import os
import posixpath
import sys
import urllib.parse

TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
    '.wasm': 'application/wasm',
    '.txt': 'text/plain; charset=utf-8',
    '.svg': 'image/svg+xml',
    '.ico': 'image/x-icon',
    '.png': 'image/png',
    '.zip': 'application/zip',
    '.gz': 'application/gzip',
    '.br': 'application/octet-stream',
}
# What is worth compressing: text, the program, and the icon's uncompressed bitmaps.
COMPRESSIBLE = {'.html', '.js', '.mjs', '.css', '.json', '.webmanifest', '.wasm', '.txt',
                '.svg', '.ico'}
# Sibling suffix for each encoding, in the order of preference.
ENCODINGS = (('br', '.br'), ('gzip', '.gz'))


def accepted(header):
    """The codings that Accept-Encoding allows (q > 0); '*' allows those not named."""
    allowed, refused, star = set(), set(), False
    for part in (header or '').split(','):
        fields = part.strip().split(';')
        coding = fields[0].strip().lower()
        if not coding:
            continue
        quality = 1.0
        for parameter in fields[1:]:
            name, _, value = parameter.strip().partition('=')
            if name.strip().lower() == 'q':
                try:
                    quality = float(value)
                except ValueError:
                    quality = 0.0
        if coding == '*':
            star = quality > 0
        elif quality > 0:
            allowed.add(coding)
        else:
            refused.add(coding)
    if star:
        allowed |= {coding for coding, _ in ENCODINGS} - refused
    return allowed


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'
    root = '.'
    # Compressed on the fly: (path, size, mtime) -> bytes, so each is compressed once.
    made = {}

    def version_string(self):
        return 'velmora-site'

    def do_GET(self):
        self.answer(with_body=True)

    def do_HEAD(self):
        self.answer(with_body=False)

    def local_path(self):
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
        parts = [part for part in posixpath.normpath(path).split('/') if part not in ('', '.', '..')]
        return os.path.join(self.root, *parts), path.endswith('/')

    def answer(self, with_body):
        path, slash = self.local_path()
        if os.path.isdir(path):
            if not slash:  # a folder's page is found relative to the folder
                location = urllib.parse.urlsplit(self.path)._replace(
                    path=urllib.parse.urlsplit(self.path).path + '/')
                self.send_response(301)
                self.send_header('Location', urllib.parse.urlunsplit(location))
                self.send_header('Content-Length', '0')
                self.end_headers()
                return
            path = os.path.join(path, 'index.html')
        if not os.path.isfile(path):
            self.send_error(404)
            return
        extension = os.path.splitext(path)[1].lower()
        source, coding = path, None
        body = None
        if extension in COMPRESSIBLE:
            allowed = accepted(self.headers.get('Accept-Encoding'))
            for name, suffix in ENCODINGS:
                if name in allowed and os.path.isfile(path + suffix):
                    source, coding = path + suffix, name
                    break
            if coding is None and 'gzip' in allowed:
                body, coding = self.compressed(path), 'gzip'
        stat = os.stat(source if body is None else path)
        modified = email.utils.formatdate(os.stat(path).st_mtime, usegmt=True)
        if self.headers.get('If-Modified-Since') == modified:
            self.send_response(304)
            self.common_headers(extension, modified)
            self.end_headers()
            return
        self.send_response(200)
        self.send_header('Content-Type', TYPES.get(extension, 'application/octet-stream'))
        if coding:
            self.send_header('Content-Encoding', coding)
        self.common_headers(extension, modified)
        self.send_header('Content-Length', str(len(body) if body is not None else stat.st_size))
        self.end_headers()
        if not with_body:
            return
        if body is not None:
            self.wfile.write(body)
        else:
            with open(source, 'rb') as file:
                while True:
                    block = file.read(1 << 16)
                    if not block:
                        break
                    self.wfile.write(block)

    def common_headers(self, extension, modified):
        if extension in COMPRESSIBLE:
            self.send_header('Vary', 'Accept-Encoding')
        self.send_header('Last-Modified', modified)
        # Each visit asks again (a 304 when nothing changed): a rebuilt site is seen at once.
        self.send_header('Cache-Control', 'no-cache')

    def compressed(self, path):
        stat = os.stat(path)
        key = (path, stat.st_size, stat.st_mtime_ns)
        if key not in self.made:
            with open(path, 'rb') as file:
                self.made[key] = gzip.compress(file.read(), compresslevel=6, mtime=0)
        return self.made[key]

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('folder')
    parser.add_argument('port', nargs='?', type=int, default=8080)
    parser.add_argument('--bind', default='127.0.0.1')
    parser.add_argument('--quiet', action='store_true', help='log no request')
    options = parser.parse_args()
    Handler.root = os.path.abspath(options.folder)
    server = http.server.ThreadingHTTPServer((options.bind, options.port), Handler)
    server.daemon_threads = True
    server.verbose = not options.quiet
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == '__main__':
    sys.exit(main())
