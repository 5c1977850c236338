# SPDX-License-Identifier: GPL-3.0-or-later
"""The page server's answers: the compressed copy the browser accepts, with its encoding and the
plain file's type; the plain file where no fresh copy fits; 304 for an unchanged file.
Usage: serve_test.py SERVE_PY"""
import http.client
import os
import subprocess
import sys
import tempfile
from email.utils import formatdate


def fail(message):
    print('FAIL: ' + message, file=sys.stderr)
    sys.exit(1)


def ask(port, path, encodings=None, method='GET', headers=None):
    connection = http.client.HTTPConnection('127.0.0.1', port, timeout=10)
    sent = dict(headers or {})
    if encodings is not None:
        sent['Accept-Encoding'] = encodings
    connection.request(method, path, headers=sent)
    response = connection.getresponse()
    body = response.read()
    connection.close()
    return response.status, response.getheader('Content-Encoding'), response.getheader('Content-Type'), \
        response.getheader('Content-Length'), body


def expect(what, got, wanted):
    if got != wanted:
        fail(f'{what}: {got!r} instead of {wanted!r}')


def main():
    folder = tempfile.mkdtemp()
    files = {'tresolo.wasm': b'plain', 'tresolo.wasm.br': b'brotli', 'tresolo.wasm.gz': b'gzip!',
             'index.html': b'<p>page</p>', 'index.html.gz': b'gz-page', 'old.js': b'new text', 'old.js.br': b'stale'}
    for name, data in files.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)
    stale = os.path.getmtime(os.path.join(folder, 'old.js')) - 100
    os.utime(os.path.join(folder, 'old.js.br'), (stale, stale))
    server = subprocess.Popen([sys.executable, sys.argv[1], folder, '0'], stdout=subprocess.PIPE, text=True)
    try:
        port = int(server.stdout.readline().strip().rstrip('/').rsplit(':', 1)[1])
        expect('br and gzip accepted', ask(port, '/tresolo.wasm', 'gzip, deflate, br')[:5],
               (200, 'br', 'application/wasm', '6', b'brotli'))
        expect('brotli refused by q=0', ask(port, '/tresolo.wasm', 'br;q=0, gzip')[1], 'gzip')
        expect('nothing accepted', ask(port, '/tresolo.wasm')[1::3], (None, b'plain'))
        expect('the folder as its index', ask(port, '/', 'br, gzip')[1:3], ('gzip', 'text/html'))
        expect('a stale copy', ask(port, '/old.js', 'br')[1::3], (None, b'new text'))
        expect('a HEAD', ask(port, '/tresolo.wasm', 'br', 'HEAD')[:5], (200, 'br', 'application/wasm', '6', b''))
        later = formatdate(os.path.getmtime(os.path.join(folder, 'tresolo.wasm')) + 10, usegmt=True)
        expect('unchanged', ask(port, '/tresolo.wasm', 'br', headers={'If-Modified-Since': later})[0], 304)
        earlier = formatdate(os.path.getmtime(os.path.join(folder, 'tresolo.wasm')) - 10, usegmt=True)
        expect('changed', ask(port, '/tresolo.wasm', 'br', headers={'If-Modified-Since': earlier})[0:2], (200, 'br'))
    finally:
        server.kill()
    print('serve: 8 passed, 0 failed')


if __name__ == '__main__':
    main()
