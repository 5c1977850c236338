// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tone of given pitch and length, the program's stand-in for the PC-speaker beep.

// The pitches a tone can have; anything else is silent.
constexpr int kToneMinHz = 37;
constexpr int kToneMaxHz = 32767;

// Plays a square-wave tone and returns when it has ended, so calls in a row sound one
// after another. Without sound output, or for a pitch outside kToneMinHz..kToneMaxHz,
// it is silent but still waits; a length of zero or less returns at once.
void PlayTone(int hz, int ms);

// Queues the same tone and returns at once; the caller waits for its length on a clock of
// its own.
void StartTone(int hz, int ms);
