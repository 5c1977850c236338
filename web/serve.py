# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the page's folder on 127.0.0.1 and prints the address. A file with a compressed copy
beside it (NAME.br, NAME.gz, made by seal_page.py) is sent as that copy to a browser that accepts
its encoding. Every answer must be checked again (no-cache), so a new version is seen at once.
Usage: serve.py FOLDER PORT [--log FILE]   (the log: one line per answer, path, encoding, bytes)"""
import email.utils
import functools
import http.server
import os
import sys

ENCODINGS = [('br', '.br'), ('gzip', '.gz')]


def accepted(header):
    names = set()
    for part in (header or '').split(','):
        name, _, params = part.strip().partition(';')
        if params.strip().replace(' ', '') not in ('q=0', 'q=0.0', 'q=0.00', 'q=0.000'):
            names.add(name.strip().lower())
    return names


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript', '.pdf': 'application/pdf',
                      '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json'}
    log_file = None
    encoding = None

    # The compressed copy to send instead of `path`, if any: fresh and accepted.
    def compressed(self, path):
        wanted = accepted(self.headers.get('Accept-Encoding'))
        for name, suffix in ENCODINGS:
            copy = path + suffix
            if name in wanted and os.path.isfile(copy) and os.path.getmtime(copy) >= os.path.getmtime(path):
                return name, copy
        return None, None

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split('?')[0].endswith('/'):
            path = os.path.join(path, 'index.html')
        self.encoding = None
        if os.path.isfile(path):
            self.encoding, copy = self.compressed(path)
            if copy:
                return self.send_copy(path, copy)
        return super().send_head()

    def unchanged_since_asked(self, path):
        since = self.headers.get('If-Modified-Since')
        if not since or self.headers.get('If-None-Match'):
            return False
        try:
            return int(os.path.getmtime(path)) <= email.utils.parsedate_to_datetime(since).timestamp()
        except (TypeError, ValueError, OverflowError):
            return False

    # As the plain file is sent, with the copy's bytes and its encoding.
    def send_copy(self, path, copy):
        if self.unchanged_since_asked(path):
            self.send_response(304)
            self.end_headers()
            return None
        body = open(copy, 'rb')
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(path))
        self.send_header('Content-Encoding', self.encoding)
        self.send_header('Content-Length', str(os.fstat(body.fileno()).st_size))
        self.send_header('Last-Modified', self.date_time_string(int(os.path.getmtime(path))))
        self.end_headers()
        return body

    def end_headers(self):
        self.send_header('Cache-Control', 'no-cache')
        self.send_header('Vary', 'Accept-Encoding')
        super().end_headers()

    def copyfile(self, source, outputfile):
        try:
            super().copyfile(source, outputfile)
        except (BrokenPipeError, ConnectionResetError):
            return  # the browser went away meanwhile
        if self.log_file:
            with open(self.log_file, 'a') as log:
                log.write(f'{self.path} {self.encoding or "identity"} {source.tell()}\n')

    def log_message(self, *args):
        pass


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    log = sys.argv[4] if len(sys.argv) > 4 and sys.argv[3] == '--log' else None
    handler = type('PageHandler', (Handler,), {'log_file': log})
    server = http.server.ThreadingHTTPServer(('127.0.0.1', port), functools.partial(handler, directory=folder))
    print(f'http://127.0.0.1:{server.server_address[1]}/', flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
