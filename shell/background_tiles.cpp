// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/background_tiles.h"

int TileCount(int extent, int size) {
    if (size <= 0 || extent < 0) return 0;
    return extent / size + 1;
}

void DrawTiles(TCanvas& canvas, const TBitmap& tile, int left, int top, int columns, int rows) {
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j)
            canvas.Draw(left + i * tile.Width(), top + j * tile.Height(), tile);
}
