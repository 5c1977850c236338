// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of a rectangle where a window's new frame differs from the one shown: a present
// that repeats what is on the screen sends nothing.
#include "codecs/pixel_buffer.h"
#include "toolkit/types.h"

// The smallest rectangle inside `rect` that holds every pixel where `now` differs from
// `shown`; empty when none does. Both frames have the same size; `rect` is clipped to it.
TRect ChangedPart(const PixelBuffer& shown, const PixelBuffer& now, const TRect& rect);
