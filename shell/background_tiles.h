// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Covering a canvas with copies of a tile, each drawn at the tile's own size.
#include "toolkit/graphics.h"

// How many tiles of `size` pixels start within 0..extent, both ends included, so the
// last one may reach past the edge. A tile without size covers nothing.
int TileCount(int extent, int size);

// Draws `columns` × `rows` copies of `tile`, the first at (left, top).
void DrawTiles(TCanvas& canvas, const TBitmap& tile, int left, int top, int columns, int rows);
