// SPDX-License-Identifier: GPL-3.0-or-later
// The page keeps itself for starts without the server: a service worker (sw.js) holds its files.
// It is registered after the first paint, when the page's own downloads are done and the worker's
// copies come from the browser's cache. A new version found on the server waits; the next start
// takes it before the program runs, never in the middle of a game. The program's files live in
// IndexedDB and stay through the change.
'use strict';

Object.assign(TresoloPage, {
  // Holds the program's start while the page asks whether a new version waits: if one does, it
  // takes over and the page loads again. Should the browser not let it within a while, the page
  // starts the version it has, and the new one is taken at a later start.
  holdForNewVersion() {
    const workers = navigator.serviceWorker;
    if (!workers || !workers.controller) return;
    const settle = () => removeRunDependency('tresolo-version');
    addRunDependency('tresolo-version');
    workers.getRegistration().then((registration) => {
      if (!registration || !registration.waiting) return settle();
      const reload = () => location.reload();
      workers.addEventListener('controllerchange', reload);
      registration.waiting.postMessage('take-over');
      setTimeout(() => {
        workers.removeEventListener('controllerchange', reload);
        console.warn('tresolo: die neue Version l\u00e4dt beim n\u00e4chsten Start');
        settle();
      }, this.takeOverWait);
    }).catch(settle);
  },
  takeOverWait: 15000,

  // After the first paint: the worker is registered; one that was there already keeps the rest
  // of the page's files (the help) and looks for a new version.
  paintedFirst() {
    const workers = navigator.serviceWorker;
    if (!workers) return;
    const hadWorker = workers.controller;
    workers.register('sw.js').then((registration) => {
      if (!hadWorker) return;
      hadWorker.postMessage('keep-later');
      // Without the server there is nothing new to find.
      registration.update().catch(() => {});
    }).catch((e) => console.warn('tresolo: ohne Offline-Kopie: ' + (e.message || e)));
  },
});
