// SPDX-License-Identifier: GPL-3.0-or-later
// The program's wait: it hands control to the browser until a time or the next event. While the
// page is hidden no time ends a wait: nothing is drawn or computed then, the program's clock goes
// on, and what fell due meanwhile runs when the page is seen again.
'use strict';

Object.assign(TresoloPage, {
  waker: null,
  woken: false,

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
      } else if (ms > 0 && !document.hidden) {
        timer = setTimeout(done, Math.min(ms, 0x7fffffff));
      }
    });
  },

  visibilityChanged() {
    this.pauseAudio(document.hidden);
    if (!document.hidden) this.wake();
  },
});
