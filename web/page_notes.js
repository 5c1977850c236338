// SPDX-License-Identifier: GPL-3.0-or-later
// What the page says beside the machine: short notes at the top of the page (each closes with its
// own button) and, when the program has ended, a card that offers a new start.
'use strict';

Object.assign(TresoloPage, {
  note(text, kind) {
    const note = document.createElement('div');
    note.className = 'note';
    note.dataset.kind = kind;
    note.setAttribute('role', 'status');
    const words = document.createElement('span');
    words.textContent = text;
    const close = document.createElement('button');
    close.textContent = 'OK';
    close.addEventListener('click', () => note.remove());
    note.append(words, close);
    document.getElementById('notes').appendChild(note);
  },

  ended() {
    this.over = true;
    if (this.typing) this.typing.blur();
    document.getElementById('ended-kept').hidden = this.storage !== 'idb';
    document.getElementById('ended').hidden = false;
    document.getElementById('restart').focus();
    document.body.dataset.ended = '1';
  },
});
