// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows on the stage: a frame with a caption (unless borderless) around a canvas.
// Windows that stay on top (the menu, the message boxes, "Statistik") lie above the others
// whatever is raised, as on the desktop. The program's pixels arrive once per animation frame.
'use strict';

Object.assign(TresoloPage, {
  windows: new Map(),
  nextId: 1,
  topZ: 1,
  focused: 0,

  create(title, left, top, width, height, centred, borderless, onTop) {
    const id = this.nextId++;
    const frame = document.createElement('div');
    frame.className = 'window' + (borderless ? ' borderless' : '');
    frame.dataset.title = title;
    frame.style.display = 'none';
    if (!borderless) frame.appendChild(this.caption(title, id));
    const canvas = document.createElement('canvas');
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    canvas.dataset.window = String(id);
    canvas.tabIndex = -1;
    frame.appendChild(canvas);
    this.stage().appendChild(frame);
    const win = {id, frame, canvas, context: canvas.getContext('2d'), left, top, width, height, centred, onTop,
                 multiple: 0, wantsText: false};
    this.windows.set(id, win);
    this.sharpen(win);
    this.listen(win);
    this.place(win);
    return id;
  },

  caption(title, id) {
    const caption = document.createElement('div');
    caption.className = 'caption';
    caption.textContent = title;
    const close = document.createElement('button');
    close.className = 'close';
    close.textContent = '\u00d7';
    close.title = 'Schlie\u00dfen';
    close.addEventListener('click', () => this.push(this.EVENT.CloseRequest, id));
    caption.appendChild(close);
    this.dragBy(caption, id);
    return caption;
  },

  // A window's place on the stage: left/top are the program's screen coordinates. A window never
  // leaves the stage.
  place(win) {
    const outerWidth = win.frame.offsetWidth || win.width, outerHeight = win.frame.offsetHeight || win.height;
    let left = win.left, top = win.top;
    if (win.centred) {
      left = (this.stageWidth - win.width) >> 1;
      top = (this.stageHeight - win.height) >> 1;
    }
    win.frame.style.left = this.inside(left, outerWidth, this.stageWidth) + 'px';
    win.frame.style.top = this.inside(top, outerHeight, this.stageHeight) + 'px';
  },

  inside(at, size, room) { return Math.max(0, Math.min(at, room - size)); },

  dragBy(caption, id) {
    caption.addEventListener('pointerdown', (e) => {
      const win = this.windows.get(id);
      if (!win || e.target !== caption) return;
      const [startX, startY] = this.toStage(e.clientX, e.clientY);
      const left = win.frame.offsetLeft, top = win.frame.offsetTop;
      caption.setPointerCapture(e.pointerId);
      const move = (m) => {
        const [x, y] = this.toStage(m.clientX, m.clientY);
        win.frame.style.left = this.inside(Math.round(left + x - startX), win.frame.offsetWidth, this.stageWidth) + 'px';
        win.frame.style.top = this.inside(Math.round(top + y - startY), win.frame.offsetHeight, this.stageHeight) + 'px';
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
    const band = win.onTop ? 100000 : 0;
    win.frame.style.zIndex = String(band + ++this.topZ);
    if (focus) this.setFocus(id);
  },

  setFocus(id) {
    if (this.focused === id) return;
    if (this.focused) this.push(this.EVENT.FocusLost, this.focused);
    this.focused = id;
    for (const w of this.windows.values()) w.frame.classList.toggle('active', w.id === id);
    this.typeInto(id);
    if (id) this.push(this.EVENT.FocusGained, id);
  },

  // The program has new pixels: they are drawn in the browser's next animation frame, so that
  // several presents within one frame are drawn once.
  requestFrame() {
    if (this.frameRequested) return;
    this.frameRequested = true;
    requestAnimationFrame(() => {
      this.frameRequested = false;
      Module._tresolo_draw_frame();
    });
  },

  // One rectangle of a window's canvas, RGBA, at `rgba` in the program's memory.
  present(id, rgba, left, top, width, height) {
    const win = this.windows.get(id);
    if (!win) return;
    const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    win.context.putImageData(new ImageData(pixels, width, height), left, top);
    if (!this.painted) {
      this.painted = true;
      this.mark('painted');
      document.body.dataset.painted = String(performance.now());
      this.paintedFirst();
    }
  },
});
