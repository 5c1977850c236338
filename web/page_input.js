// SPDX-License-Identifier: GPL-3.0-or-later
// The player's hands: pointer (mouse, pen or finger) and keys, queued for the program. Typed text
// comes from a hidden field that keeps the page's focus: it sees what the keyboard layout, dead
// keys and input methods make of the keys (ü, é, ...). A touch screen shows its keyboard only
// while the program's focused control takes text; the field takes the focus on the tap then.
'use strict';

Object.assign(TresoloPage, {
  // The contract with the program (toolkit/web/web_backend.cpp): the kinds of event by number,
  // and the order of the fields each event is written in.
  EVENT: {MouseDown: 0, MouseUp: 1, MouseMove: 2, MouseLeave: 3, KeyDown: 4, KeyUp: 5, Text: 6,
          FocusGained: 7, FocusLost: 8, CloseRequest: 9, Exposed: 10, Quit: 11},
  FIELDS: ['kind', 'window', 'x', 'y', 'button', 'key', 'shift', 'repeat'],

  // The program hands over its own numbers at its start: a page of another build stops here.
  checkContract(kinds, fieldCount) {
    const ours = Object.values(this.EVENT);
    if (kinds.length !== ours.length || ours.some((n, i) => n !== kinds[i]) || fieldCount !== this.FIELDS.length)
      throw new Error('page and program disagree on the events they exchange');
  },

  queue: [],
  typing: null,

  push(kind, id, x, y, extra) {
    this.queue.push(Object.assign({kind: kind, window: id, x: x | 0, y: y | 0, button: 0, key: 0, shift: 0,
                                   repeat: 0, text: ''}, extra || {}));
    this.wake();
  },

  // The next event into the program's fields (see web_backend.cpp for their order).
  takeEvent(fields, text, capacity) {
    const e = this.queue.shift();
    if (!e) return 0;
    HEAP32.set(this.FIELDS.map((name) => e[name]), fields >> 2);
    stringToUTF8(e.text, text, capacity);
    return 1;
  },

  shiftOf(e) { return (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) | (e.ctrlKey ? 4 : 0); },

  listen(win) {
    const c = win.canvas;
    const at = (e) => {
      const r = c.getBoundingClientRect();
      return [Math.floor((e.clientX - r.left) * win.width / r.width),
              Math.floor((e.clientY - r.top) * win.height / r.height)];
    };
    c.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      this.unlockAudio();
      this.raise(win.id, true);
      this.typeInto(win.id);
      c.setPointerCapture(e.pointerId);
      const [x, y] = at(e);
      this.push(this.EVENT.MouseDown, win.id, x, y, {button: e.button, shift: this.shiftOf(e)});
    });
    c.addEventListener('pointerup', (e) => {
      const [x, y] = at(e);
      this.push(this.EVENT.MouseUp, win.id, x, y, {button: e.button, shift: this.shiftOf(e)});
      // A finger's lift is the gesture that lets a focus open the on-screen keyboard.
      if (e.pointerType !== 'mouse') this.typeInto(win.id, true);
    });
    c.addEventListener('pointermove', (e) => {
      const [x, y] = at(e);
      this.push(this.EVENT.MouseMove, win.id, x, y, {shift: this.shiftOf(e)});
    });
    c.addEventListener('pointerleave', () => this.push(this.EVENT.MouseLeave, win.id));
    // A long press or a right click opens no browser menu on a window.
    win.frame.addEventListener('contextmenu', (e) => e.preventDefault());
  },

  // Keys go to the focused window. A printable key is left to the typing field, which turns
  // it into text; every other key stays with the program.
  keyEvent(e, down) {
    if (!this.focused || e.metaKey) return;
    const shortcut = e.ctrlKey || e.key === 'F5' || e.key === 'F12';
    const printable = !e.ctrlKey && !e.altKey && [...e.key].length === 1;
    if (!shortcut && !printable) e.preventDefault();
    this.push(down ? this.EVENT.KeyDown : this.EVENT.KeyUp, this.focused, 0, 0, {key: e.keyCode, shift: this.shiftOf(e), repeat: e.repeat ? 1 : 0});
  },

  makeTypingField() {
    const field = document.createElement('textarea');
    field.id = 'typing';
    field.setAttribute('aria-hidden', 'true');
    field.autocomplete = 'off';
    field.autocapitalize = 'off';
    field.spellcheck = false;
    field.inputMode = 'none';
    const take = () => {
      if (field.value && this.focused) this.push(this.EVENT.Text, this.focused, 0, 0, {text: field.value});
      field.value = '';
    };
    field.addEventListener('input', (e) => { if (!e.isComposing) take(); });
    field.addEventListener('compositionend', take);
    this.typing = field;
  },

  // The program says whether the window's focused control takes text.
  wantText(id, wanted) {
    const win = this.windows.get(id);
    if (!win) return;
    win.wantsText = wanted;
    if (id === this.focused) this.typeInto(id);
  },

  // The typing field goes into the focused window and takes the page's focus; it asks for the
  // on-screen keyboard while that window wants text. `tapped`: within the player's gesture, when
  // a focus may open the keyboard.
  typeInto(id, tapped) {
    if (!this.typing) this.makeTypingField();
    const field = this.typing, win = this.windows.get(id);
    if (!win) {
      field.blur();
      return;
    }
    const mode = win.wantsText ? 'text' : 'none';
    if (field.parentNode !== win.frame) win.frame.appendChild(field);
    if (field.inputMode !== mode || (tapped && win.wantsText)) {
      field.inputMode = mode;
      field.blur();
    }
    if (document.activeElement !== field) field.focus({preventScroll: true});
  },
});
