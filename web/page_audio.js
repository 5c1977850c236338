// SPDX-License-Identifier: GPL-3.0-or-later
// The page's sound: a mono Web Audio node at the program's rate; each block is mixed by the
// program. Browsers start sound only after the player's first gesture; a hidden page pauses it.
'use strict';

Object.assign(TresoloPage, {
  audio: null,

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

  unlockAudio() {
    if (this.audio && this.audio.context.state === 'suspended' && !document.hidden) this.audio.context.resume();
  },

  pauseAudio(hidden) {
    if (!this.audio) return;
    if (hidden && this.audio.context.state === 'running') {
      this.audio.paused = true;
      this.audio.context.suspend();
    } else if (!hidden && this.audio.paused) {
      this.audio.paused = false;
      this.audio.context.resume();
    }
  },
});
