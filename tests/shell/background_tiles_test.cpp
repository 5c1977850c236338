// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/background_tiles.h"

#include <gtest/gtest.h>

namespace {

// A tile whose pixels carry their own coordinates, so every drawn copy can be located.
TBitmap CoordinateTile(int w, int h) {
    TBitmap t(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            t.MutablePixels().setPixel(x, y, {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 200});
    return t;
}

}  // namespace

// A 10 × 7 canvas takes 3 × 3 tiles of 4 × 3: the last column and row start inside
// the canvas and are cut off at its edge, so no strip stays unpainted.
TEST(BackgroundTiles, GridCoversTheCanvasUpToThePartialLastTile) {
    TBitmap canvas(10, 7);
    const TBitmap tile = CoordinateTile(4, 3);
    EXPECT_EQ(TileCount(10, 4), 3);
    EXPECT_EQ(TileCount(6, 3), 3);  // an exact multiple still starts a tile at the edge
    DrawTiles(canvas.Canvas(), tile, 0, 0, TileCount(10, 4), TileCount(7, 3));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x) {
            const Bgr p = canvas.Pixels().pixel(x, y);
            ASSERT_EQ(p.b, x % 4) << x << "," << y;
            ASSERT_EQ(p.g, y % 3) << x << "," << y;
            ASSERT_EQ(p.r, 200);
        }
}

TEST(BackgroundTiles, ColumnAtAnOffsetAndEmptyTiles) {
    TBitmap canvas(10, 7);
    const TBitmap tile = CoordinateTile(3, 5);
    DrawTiles(canvas.Canvas(), tile, 10 - 3, 0, 1, TileCount(7, 5));
    EXPECT_EQ(canvas.Pixels().pixel(6, 6).r, 255);  // left of the column: still white
    EXPECT_EQ(canvas.Pixels().pixel(9, 6).b, 2);    // second tile, cut at the bottom
    EXPECT_EQ(canvas.Pixels().pixel(9, 6).g, 1);
    // A tile without pixels covers nothing and must not divide by its size.
    EXPECT_EQ(TileCount(7, 0), 0);
    EXPECT_EQ(TileCount(-1, 5), 0);
}
