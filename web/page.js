// SPDX-License-Identifier: GPL-3.0-or-later
// The page side of the program: the stage that stands for its screen, one <canvas> per window,
// the page's pointer and key events queued for the program, the wait that hands control to the
// browser, sound, storage in IndexedDB, the debt logs offered as downloads and the page kept for
// offline starts. Runs before the program; the page_*.js files add their pieces to TresoloPage.
'use strict';

// Where the program keeps its files across visits, and where its debt logs appear.
var TRESOLO_HOME = '/tresolo-home';
var TRESOLO_DOWNLOADS = '/downloads';
// TRESOLO_DATA, the program's own data folder, comes from the build (page_data.js).

var TresoloPage = {
  // The start's steps on the page's timeline (performance.mark), for the page's report.
  mark(step) {
    if (typeof performance !== 'undefined' && performance.mark) performance.mark('tresolo-' + step);
  },
};
TresoloPage.mark('script');

var Module = typeof Module !== 'undefined' ? Module : {};
// Before the program's code is compiled, so that storage, help and version are asked for
// meanwhile.
Module.preInit = (Module.preInit || []).concat([() => {
  TresoloPage.holdForNewVersion();
  TresoloPage.mountStorage();
  TresoloPage.findHelp();
  TresoloPage.watchWrites();
  FS.chdir(TRESOLO_DOWNLOADS);
}]);
Module.onRuntimeInitialized = () => {
  TresoloPage.mark('main');
  TresoloPage.running = true;
};

document.addEventListener('keydown', (e) => TresoloPage.keyEvent(e, true));
document.addEventListener('keyup', (e) => TresoloPage.keyEvent(e, false));
document.addEventListener('pointerdown', () => TresoloPage.unlockAudio(), true);
document.addEventListener('keydown', () => TresoloPage.unlockAudio(), true);
document.addEventListener('visibilitychange', () => TresoloPage.visibilityChanged());
window.addEventListener('resize', () => TresoloPage.fit());
window.addEventListener('DOMContentLoaded', () => TresoloPage.fit());
// A page that goes away keeps what a closed program keeps.
window.addEventListener('pagehide', () => {
  try {
    if (TresoloPage.running && !TresoloPage.over) Module._tresolo_page_hidden();
  } finally {
    TresoloPage.flushNow();
  }
});
