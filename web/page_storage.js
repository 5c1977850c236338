// SPDX-License-Identifier: GPL-3.0-or-later
// The program's home folder in IndexedDB, written through after every file the program writes;
// the debt logs it writes are offered as downloads.
'use strict';

Object.assign(TresoloPage, {
  storage: 'none',
  syncing: false,
  syncAgain: false,
  syncPending: false,

  // Writes the home folder to IndexedDB once the program hands control back, so that a file
  // written under a temporary name has its final name by then; a sync asked for during one
  // runs after it.
  sync() {
    if (this.storage !== 'idb' || this.syncPending) return;
    this.syncPending = true;
    setTimeout(() => {
      this.syncPending = false;
      this.syncNow();
    }, 0);
  },

  syncNow() {
    if (this.syncing) {
      this.syncAgain = true;
      return;
    }
    this.syncing = true;
    FS.syncfs(false, (error) => {
      this.syncing = false;
      if (error) console.warn('tresolo: Speichern im Browser fehlgeschlagen: ' + (error.message || error.errno || error));
      if (this.syncAgain) {
        this.syncAgain = false;
        this.syncNow();
      }
    });
  },

  // Every file the program closes after writing, and every rename, is written through.
  watchWrites() {
    const close = FS.close, rename = FS.rename;
    FS.close = function(stream) {
      const wrote = stream.path && (stream.flags & 3) !== 0;
      const result = close.apply(this, arguments);
      if (wrote) TresoloPage.written(stream.path);
      return result;
    };
    FS.rename = function(from, to) {
      const result = rename.apply(this, arguments);
      TresoloPage.written(to);
      return result;
    };
  },

  // On the way out there is no time for the sync's first step, which reads the database: every
  // entry of the home folder goes into the open database in one transaction at once, and the
  // browser finishes it after the page is gone.
  flushNow() {
    if (this.storage === 'idb' && !this.idbfsParts()) {
      FS.syncfs(false, () => {});
      return;
    }
    const db = this.storage === 'idb' ? IDBFS.dbs[TRESOLO_HOME] : null;
    if (!db) return;
    const transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
    const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
    // IDBFS's own steps and entries; for the page's memory each answers at once.
    IDBFS.getLocalSet(FS.lookupPath(TRESOLO_HOME).node.mount, (error, local) => {
      if (error) return;
      for (const path of Object.keys(local.entries)) {
        IDBFS.loadLocalEntry(path, (failed, entry) => {
          if (!failed) IDBFS.storeRemoteEntry(store, path, entry, () => {});
        });
      }
    });
    // Committed now: a transaction left to finish by itself dies with the page.
    if (transaction.commit) transaction.commit();
  },

  // The parts of emscripten's IDBFS that the way out uses. An emscripten that changes them
  // fails the page's test; the page then falls back to an ordinary sync.
  idbfsParts() {
    return typeof IDBFS === 'object' && typeof IDBFS.dbs === 'object' &&
           typeof IDBFS.DB_STORE_NAME === 'string' && typeof IDBFS.getLocalSet === 'function' &&
           typeof IDBFS.loadLocalEntry === 'function' && typeof IDBFS.storeRemoteEntry === 'function';
  },

  written(path) {
    if (path.startsWith(TRESOLO_HOME + '/')) this.sync();
    else if (path.startsWith(TRESOLO_DOWNLOADS + '/') && !path.split('/').pop().startsWith('.'))
      this.offerDownload(path);
  },

  offerDownload(path) {
    let bytes;
    try { bytes = FS.readFile(path); } catch (e) { return; }
    const name = path.split('/').pop();
    const url = URL.createObjectURL(new Blob([bytes], {type: 'text/plain;charset=utf-8'}));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    link.textContent = name;
    link.className = 'download';
    document.getElementById('downloads').appendChild(link);
    link.click();
    this.note('Das Schulden-Protokoll \u201e' + name + '\u201c wurde als Download gespeichert.', 'download');
  },

  // Mounts the home folder from IndexedDB before the program starts. Without IndexedDB the
  // program plays from memory and the page says so once.
  mountStorage() {
    FS.mkdir(TRESOLO_HOME);
    FS.mkdir(TRESOLO_DOWNLOADS);
    ENV.HOME = TRESOLO_HOME;
    let usable = false;
    try { usable = typeof indexedDB !== 'undefined' && indexedDB !== null; } catch (e) { usable = false; }
    if (!usable) {
      this.noStorage();
      return;
    }
    FS.mount(IDBFS, {}, TRESOLO_HOME);
    addRunDependency('tresolo-storage');
    this.readStorage(4);
  },

  // After a reload the page before may still be writing its folder while this one reads it: a
  // read that meets an entry removed under it fails, and is tried again (each try takes what
  // the database holds then) before the page plays from memory.
  readStorage(triesLeft) {
    FS.syncfs(true, (error) => {
      if (error && triesLeft > 0) {
        setTimeout(() => this.readStorage(triesLeft - 1), 250);
        return;
      }
      if (error) {
        console.warn('tresolo: Speicher im Browser nicht lesbar: ' + (error.message || error.name || error));
        this.noStorage();
      } else {
        this.storage = 'idb';
      }
      this.mark('storage');
      removeRunDependency('tresolo-storage');
    });
  },

  noStorage() {
    this.storage = 'memory';
    this.note('Dieser Browser erlaubt keinen Speicher f\u00fcr Webseiten (privates Fenster?). ' +
              'Tresolo l\u00e4uft, beh\u00e4lt aber Spielername und Kasse nicht.', 'storage');
  },

  // The help is the PDF served beside the page. Where the server (or the page's offline copy)
  // has it, the program finds a file of that name in its folder and opens the served copy in a
  // new tab.
  findHelp() {
    addRunDependency('tresolo-help');
    fetch('Tresolo-Hilfe.pdf', {method: 'HEAD'})
      .then((response) => {
        if (!response.ok) return;
        FS.createPath('/', TRESOLO_DATA.slice(1), true, true);
        FS.writeFile(TRESOLO_DATA + '/Tresolo-Hilfe.pdf', '');
      })
      .catch(() => {})
      .finally(() => removeRunDependency('tresolo-help'));
  },
});
