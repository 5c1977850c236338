// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's files for starts without the server. Each version of the page has its own
// cache; a new version installs beside the running one and waits until a starting page asks
// for it, then the older caches go. The page's own files are kept as the worker installs; the
// help (LATER) is kept when it is first opened or when a later start asks for it, so that a
// first visit fetches only what it plays with.
'use strict';

const VERSION = '@VERSION@';
const FILES = @FILES@;
const LATER = @LATER@;
const CACHE = 'tresolo-' + VERSION;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) =>
    cache.addAll(FILES.map((file) => new Request(file, {cache: 'no-cache'})))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('tresolo-') && k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
  if (event.data === 'keep-later') event.waitUntil(keepLater());
});

function keepLater() {
  return caches.open(CACHE).then((cache) => Promise.all(LATER.map((file) =>
    cache.match(file).then((kept) => kept || cache.add(new Request(file, {cache: 'no-cache'})).catch(() => {})))));
}

const isLater = (url) => LATER.some((file) => new URL(file, self.registration.scope).href === url.split('?')[0]);

// The page's files from this version's cache (a HEAD as well), anything else from the server;
// a help fetched whole is kept.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' && request.method !== 'HEAD') return;
  event.respondWith(caches.open(CACHE).then((cache) =>
    cache.match(request, {ignoreSearch: true, ignoreMethod: true}).then((kept) => {
      // A HEAD gets the kept file's headers only, as a server answers it.
      if (kept && request.method === 'HEAD') return new Response(null, {status: kept.status, headers: kept.headers});
      if (kept) return kept;
      return fetch(request).then((response) => {
        if (request.method === 'GET' && response.status === 200 && isLater(request.url))
          cache.put(request, response.clone());
        return response;
      });
    })));
});
