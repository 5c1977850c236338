// SPDX-License-Identifier: GPL-3.0-or-later
// The page side of the program: one <canvas> per window inside the desk, the page's mouse
// and key events queued for the program, the wait that hands control to the browser, the
// storage in IndexedDB and the debt logs offered as downloads. Runs before the program.
'use strict';

// Where the program keeps its files across visits, and where its debt logs appear.
var TRESOLO_HOME = '/tresolo-home';
var TRESOLO_DOWNLOADS = '/downloads';
var TRESOLO_DATA = '/app';

var TresoloPage = {
  windows: new Map(),
  queue: [],
  nextId: 1,
  topZ: 1,
  focused: 0,
  pointerWindow: 0,
  waker: null,
  woken: false,

  desk() { return document.getElementById('desk'); },
  screenWidth() { return Math.max(1, this.desk().clientWidth); },
  screenHeight() { return Math.max(1, this.desk().clientHeight); },

  push(kind, id, x, y, extra) {
    this.queue.push(Object.assign({kind: kind, window: id, x: x | 0, y: y | 0, button: 0, key: 0, shift: 0,
                                   repeat: 0, text: ''}, extra || {}));
    this.wake();
  },

  shiftOf(e) { return (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) | (e.ctrlKey ? 4 : 0); },

  create(title, left, top, width, height, centred, borderless) {
    const id = this.nextId++;
    const frame = document.createElement('div');
    frame.className = 'window' + (borderless ? ' borderless' : '');
    frame.dataset.title = title;
    frame.style.display = 'none';
    if (!borderless) {
      const caption = document.createElement('div');
      caption.className = 'caption';
      caption.textContent = title;
      const close = document.createElement('button');
      close.className = 'close';
      close.textContent = '\u00d7';
      close.title = 'Schlie\u00dfen';
      close.addEventListener('click', () => this.push(9, id));
      caption.appendChild(close);
      this.dragBy(caption, id);
      frame.appendChild(caption);
    }
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.dataset.window = String(id);
    canvas.tabIndex = -1;
    frame.appendChild(canvas);
    this.desk().appendChild(frame);
    const win = {id: id, frame: frame, canvas: canvas, context: canvas.getContext('2d'), left: left, top: top,
                 width: width, height: height, centred: centred};
    this.windows.set(id, win);
    this.listen(win);
    this.place(win);
    return id;
  },

  // A window's place: left/top are the program's screen coordinates, the desk is the screen.
  place(win) {
    let left = win.left, top = win.top;
    if (win.centred) {
      left = Math.max(0, (this.screenWidth() - win.width) >> 1);
      top = Math.max(0, (this.screenHeight() - win.height) >> 1);
    }
    win.frame.style.left = left + 'px';
    win.frame.style.top = top + 'px';
  },

  dragBy(caption, id) {
    caption.addEventListener('pointerdown', (e) => {
      const win = this.windows.get(id);
      if (!win || e.target !== caption) return;
      const startX = e.clientX, startY = e.clientY;
      const left = win.frame.offsetLeft, top = win.frame.offsetTop;
      caption.setPointerCapture(e.pointerId);
      const move = (m) => {
        win.frame.style.left = (left + m.clientX - startX) + 'px';
        win.frame.style.top = (top + m.clientY - startY) + 'px';
      };
      const up = () => {
        caption.removeEventListener('pointermove', move);
        caption.removeEventListener('pointerup', up);
      };
      caption.addEventListener('pointermove', move);
      caption.addEventListener('pointerup', up);
      this.raise(id, true);
    });
  },

  listen(win) {
    const c = win.canvas;
    const at = (e) => {
      const r = c.getBoundingClientRect();
      return [Math.floor((e.clientX - r.left) * win.width / r.width),
              Math.floor((e.clientY - r.top) * win.height / r.height)];
    };
    c.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      TresoloPage.unlockAudio();
      this.raise(win.id, true);
      this.focusTyping();
      c.setPointerCapture(e.pointerId);
      const [x, y] = at(e);
      this.push(0, win.id, x, y, {button: e.button, shift: this.shiftOf(e)});
    });
    c.addEventListener('pointerup', (e) => {
      const [x, y] = at(e);
      this.push(1, win.id, x, y, {button: e.button, shift: this.shiftOf(e)});
    });
    c.addEventListener('pointermove', (e) => {
      const [x, y] = at(e);
      this.push(2, win.id, x, y, {shift: this.shiftOf(e)});
    });
    c.addEventListener('pointerleave', () => this.push(3, win.id));
    c.addEventListener('contextmenu', (e) => e.preventDefault());
  },

  // Keys go to the focused window. A printable key is left to the typing field, which turns
  // it into text; every other key stays with the program.
  keyEvent(e, down) {
    if (!this.focused || e.metaKey) return;
    const shortcut = e.ctrlKey || e.key === 'F5' || e.key === 'F12';
    const printable = !e.ctrlKey && !e.altKey && [...e.key].length === 1;
    if (!shortcut && !printable) e.preventDefault();
    this.push(down ? 4 : 5, this.focused, 0, 0, {key: e.keyCode, shift: this.shiftOf(e), repeat: e.repeat ? 1 : 0});
  },

  // Typed text comes from a hidden field that keeps the page's focus: it sees what the
  // keyboard layout, dead keys and input methods make of the keys (ü, é, ...).
  typing: null,

  makeTypingField() {
    const field = document.createElement('textarea');
    field.id = 'typing';
    field.setAttribute('aria-hidden', 'true');
    field.autocomplete = 'off';
    field.spellcheck = false;
    const take = () => {
      if (field.value && this.focused) this.push(6, this.focused, 0, 0, {text: field.value});
      field.value = '';
    };
    field.addEventListener('input', (e) => { if (!e.isComposing) take(); });
    field.addEventListener('compositionend', take);
    document.body.appendChild(field);
    this.typing = field;
  },

  focusTyping() {
    if (!this.typing) this.makeTypingField();
    if (document.activeElement !== this.typing) this.typing.focus({preventScroll: true});
  },

  destroy(id) {
    const win = this.windows.get(id);
    if (!win) return;
    win.frame.remove();
    this.windows.delete(id);
    if (this.focused === id) this.focused = 0;
  },

  show(id, visible) {
    const win = this.windows.get(id);
    if (!win) return;
    win.frame.style.display = visible ? 'block' : 'none';
    if (visible) {
      this.place(win);
      this.raise(id, true);
    } else if (this.focused === id) {
      this.setFocus(0);
    }
  },

  move(id, left, top) {
    const win = this.windows.get(id);
    if (!win) return;
    win.left = left;
    win.top = top;
    win.centred = false;
    this.place(win);
  },

  raise(id, focus) {
    const win = this.windows.get(id);
    if (!win) return;
    win.frame.style.zIndex = String(++this.topZ);
    if (focus) this.setFocus(id);
  },

  setFocus(id) {
    if (this.focused === id) return;
    if (this.focused) this.push(8, this.focused);
    this.focused = id;
    for (const w of this.windows.values()) w.frame.classList.toggle('active', w.id === id);
    if (id) {
      this.focusTyping();
      this.push(7, id);
    }
  },

  // One rectangle of a window, RGBA, at `rgba` in the program's memory.
  present(id, rgba, left, top, width, height) {
    const win = this.windows.get(id);
    if (!win) return;
    const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    win.context.putImageData(new ImageData(pixels, width, height), left, top);
    if (!this.painted) {
      this.painted = true;
      document.body.dataset.painted = String(performance.now());
    }
  },

  takeEvent(fields, text, capacity) {
    const e = this.queue.shift();
    if (!e) return 0;
    const f = fields >> 2;
    HEAP32[f] = e.kind;
    HEAP32[f + 1] = e.window;
    HEAP32[f + 2] = e.x;
    HEAP32[f + 3] = e.y;
    HEAP32[f + 4] = e.button;
    HEAP32[f + 5] = e.key;
    HEAP32[f + 6] = e.shift;
    HEAP32[f + 7] = e.repeat;
    stringToUTF8(e.text, text, capacity);
    return 1;
  },

  wake() {
    this.woken = true;
    if (this.waker) this.waker();
  },

  // Returns after ms milliseconds (never when negative) or as soon as an event comes.
  // Even a wait of zero goes through the browser's task queue, so the page paints.
  wait(ms) {
    return new Promise((resolve) => {
      if (this.queue.length || this.woken) ms = 0;
      this.woken = false;
      let timer = null;
      const done = () => {
        if (timer !== null) clearTimeout(timer);
        this.waker = null;
        this.woken = false;
        resolve();
      };
      this.waker = done;
      if (ms === 0) {
        const channel = new MessageChannel();
        channel.port1.onmessage = done;
        channel.port2.postMessage(0);
      } else if (ms > 0) {
        timer = setTimeout(done, Math.min(ms, 0x7fffffff));
      }
    });
  },

  // ---- sound ----

  audio: null,

  // A mono node at the program's rate; each block is mixed by the program into `block`.
  openAudio(rate, samples, block) {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return false;
    try {
      const context = new Context({sampleRate: rate});
      const node = context.createScriptProcessor(samples, 0, 1);
      node.onaudioprocess = (e) => {
        const out = e.outputBuffer.getChannelData(0);
        Module._tresolo_fill_audio(out.length);
        const from = block >> 1;
        for (let i = 0; i < out.length; ++i) out[i] = HEAP16[from + i] / 32768;
      };
      node.connect(context.destination);
      this.audio = {context: context, node: node};
      return true;
    } catch (e) {
      return false;
    }
  },

  closeAudio() {
    if (!this.audio) return;
    this.audio.node.disconnect();
    this.audio.context.close();
    this.audio = null;
  },

  // Browsers start sound only after the player's first gesture.
  unlockAudio() {
    if (this.audio && this.audio.context.state === 'suspended') this.audio.context.resume();
  },

  // ---- storage ----

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
    FS.syncfs(true, (error) => {
      if (error) this.noStorage();
      else this.storage = 'idb';
      removeRunDependency('tresolo-storage');
    });
  },

  // The help is the PDF served beside the page. Where the server has it, the program finds
  // a file of that name in its folder and opens the served copy in a new tab.
  findHelp() {
    addRunDependency('tresolo-help');
    fetch('Tresolo-Hilfe.pdf', {method: 'HEAD'})
      .then((response) => { if (response.ok) FS.writeFile(TRESOLO_DATA + '/Tresolo-Hilfe.pdf', ''); })
      .catch(() => {})
      .finally(() => removeRunDependency('tresolo-help'));
  },

  ended() {
    const notice = document.getElementById('notice');
    notice.textContent = 'Tresolo wurde beendet. ';
    const again = document.createElement('button');
    again.textContent = 'Neu starten';
    again.addEventListener('click', () => location.reload());
    notice.appendChild(again);
    notice.hidden = false;
    document.body.dataset.ended = '1';
  },

  noStorage() {
    this.storage = 'memory';
    const notice = document.getElementById('notice');
    notice.textContent = 'Dieser Browser erlaubt keinen Speicher f\u00fcr Webseiten (privates Fenster?). ' +
                         'Tresolo l\u00e4uft, beh\u00e4lt aber Spielername und Kasse nicht.';
    notice.hidden = false;
  },
};

var Module = typeof Module !== 'undefined' ? Module : {};
Module.preRun = (Module.preRun || []).concat([() => {
  TresoloPage.mountStorage();
  TresoloPage.findHelp();
  TresoloPage.watchWrites();
  FS.chdir(TRESOLO_DOWNLOADS);
}]);

document.addEventListener('keydown', (e) => TresoloPage.keyEvent(e, true));
document.addEventListener('keyup', (e) => TresoloPage.keyEvent(e, false));
document.addEventListener('pointerdown', () => TresoloPage.unlockAudio(), true);
document.addEventListener('keydown', () => TresoloPage.unlockAudio(), true);
// A page that goes away keeps what a closed program keeps.
window.addEventListener('pagehide', () => {
  try {
    if (Module._tresolo_page_hidden) Module._tresolo_page_hidden();
  } finally {
    TresoloPage.flushNow();
  }
});
