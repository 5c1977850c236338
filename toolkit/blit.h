// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pixel copies between 24-bit buffers, clipped to the destination and a clip rectangle.
#include "codecs/pixel_buffer.h"
#include "toolkit/types.h"

Bgr ToBgr(TColor c);
TColor ToColor(Bgr c);

void FillRect(PixelBuffer& dst, const TRect& r, TColor colour);
// Copies src with its top-left corner at (x, y).
void Blit(PixelBuffer& dst, int x, int y, const PixelBuffer& src, const TRect& clip);
// The same, leaving out every pixel of the colour `key`.
void BlitKeyed(PixelBuffer& dst, int x, int y, const PixelBuffer& src, Bgr key, const TRect& clip);
// Nearest-neighbour scaling; exact colours survive, so a key colour stays a key colour.
PixelBuffer StretchNearest(const PixelBuffer& src, int width, int height);
// Draws a one-pixel frame line by line (top/left in `light`, bottom/right in `dark`).
void Frame3D(PixelBuffer& dst, const TRect& r, TColor light, TColor dark, const TRect& clip);
// A dotted focus rectangle.
void FocusRect(PixelBuffer& dst, const TRect& r, const TRect& clip);
