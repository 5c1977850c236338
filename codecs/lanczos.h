// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lanczos-3 resampling of a 24-bit picture to exactly newWidth × newHeight pixels,
// separable, with the weights of lanczos_taps.h. Each channel is filtered on its own
// and rounded to the nearest level in 0..255. A zero or negative size gives an empty
// picture, as does an empty source.
#include "codecs/pixel_buffer.h"

PixelBuffer LanczosResize(const PixelBuffer& source, int newWidth, int newHeight);
