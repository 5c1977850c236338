// SPDX-License-Identifier: GPL-3.0-or-later
// The stage: the program's screen, as large as the machine, scaled to the browser's viewport
// keeping its aspect and centred. A turned phone or a resized window only scales it, so the
// program never sees its screen change. Each canvas holds its window at a whole multiple of the
// program's pixels (the program repeats each pixel), the multiple just above the device pixels
// it covers: the browser then only shrinks it a little, which keeps edges sharp at any device
// pixel ratio.
'use strict';

Object.assign(TresoloPage, {
  stageWidth: 820,
  stageHeight: 649,
  scale: 1,
  sharpness: 1,

  stage() { return document.getElementById('stage'); },
  screenWidth() { return this.stageWidth; },
  screenHeight() { return this.stageHeight; },

  fit() {
    const stage = this.stage();
    if (!stage) return;
    const width = window.innerWidth, height = window.innerHeight;
    const ratio = window.devicePixelRatio || 1;
    const scale = Math.min(width / this.stageWidth, height / this.stageHeight);
    // Whole device pixels for the stage's corner.
    const snap = (v) => Math.round(v * ratio) / ratio;
    const left = snap((width - this.stageWidth * scale) / 2), top = snap((height - this.stageHeight * scale) / 2);
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    this.scale = scale;
    this.sharpness = this.canvasMultiple(scale * ratio);
    for (const win of this.windows.values()) this.sharpen(win);
  },

  // Canvas pixels per program pixel for `devicePixels` device pixels per program pixel.
  canvasMultiple(devicePixels) {
    return Math.min(4, Math.max(1, Math.ceil(devicePixels - 0.05)));
  },

  canvasMultipleOf(id) {
    const win = this.windows.get(id);
    return win ? win.multiple : 1;
  },

  // Gives the window's canvas the stage's multiple; the program draws it again.
  sharpen(win) {
    const k = this.sharpness;
    if (win.multiple === k) return;
    win.multiple = k;
    win.canvas.width = win.width * k;
    win.canvas.height = win.height * k;
    if (this.running) Module._tresolo_draw_again(win.id);
  },

  // A place on the page as the stage's coordinates.
  toStage(clientX, clientY) {
    const r = this.stage().getBoundingClientRect();
    return [(clientX - r.left) / this.scale, (clientY - r.top) / this.scale];
  },
});
