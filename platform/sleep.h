// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blocks the calling thread; no messages are dispatched meanwhile.

// Sleeps for ms milliseconds; a length of zero or less returns at once.
void SleepMilliseconds(int ms);
