// Keeps the page's files for starts without the server. Each version of the page has its own
// cache; a new version installs beside the running one and waits until a starting page asks
// for it, then the older caches go.
'use strict';

const VERSION = '@VERSION@';
const FILES = @FILES@;
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
});

// The page's files from this version's cache (a HEAD as well), anything else from the server.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' && request.method !== 'HEAD') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, {ignoreSearch: true, ignoreMethod: true}))
    .then((kept) => kept || fetch(request)));
});
