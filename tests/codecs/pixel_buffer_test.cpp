// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/pixel_buffer.h"

#include <gtest/gtest.h>

namespace {

// Every pixel of the buffer is `c`, and nothing lies beyond its last row.
void ExpectAll(const PixelBuffer& p, Bgr c) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) ASSERT_EQ(p.pixel(x, y), c) << x << "," << y;
}

// Sizes whose byte counts are not powers of two, so the block copies end in a part block.
TEST(PixelBuffer, ResizeAndFillCoverEveryPixel) {
    const Bgr teal{200, 120, 10}, grey{77, 77, 77};
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 1}, {7, 3}, {13, 11}, {820, 649}}) {
        PixelBuffer p(w, h, teal);
        ExpectAll(p, teal);
        p.fill(grey);
        ExpectAll(p, grey);
        p.resize(w + 1, h, teal);  // grows: the fresh bytes take the colour too
        ExpectAll(p, teal);
        p.resize(w, h);            // no colour: black, as a new buffer is
        ExpectAll(p, Bgr{});
    }
    PixelBuffer none(0, 5, teal);
    EXPECT_TRUE(none.empty());
    none.fill(teal);
}

}  // namespace
