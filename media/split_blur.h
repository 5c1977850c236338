// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reel strip's motion blur: a small in-place filter on a 24-bit picture.
#include "codecs/pixel_buffer.h"

// Replaces each pixel, row by row from the top and left to right, by the truncated
// mean of four pixels `amount` rows up or down and `amount` columns left or right.
// A source row above the top is the row itself, below the bottom it wraps to row
// H − y; a column left of the edge is the column itself, right of it W − x. Reads
// see the pixels already written in the same pass.
// An amount of 0 changes nothing. A negative amount, or one not smaller than the
// width or the height, would read outside the picture: it is refused and the
// picture is left unchanged.
void SplitBlur(PixelBuffer& picture, int amount);
