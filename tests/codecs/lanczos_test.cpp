// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/lanczos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "codecs/lanczos_taps.h"
#include "tests/codecs/test_pictures.h"

namespace {

// The resampling formula in plain double precision, written out on its own:
// per result pixel, the normalised weights of the source rows and columns
// (kept where nonzero), summed in two dimensions and rounded once.
using Axis = std::vector<std::vector<std::pair<int, double>>>;

Axis RefAxis(int oldSize, int newSize) {
    const double scale = double(newSize - 1) / (oldSize - 1), f = std::min(1.0, scale);
    Axis axis(newSize);
    for (int i = 0; i < newSize; ++i) {
        double sum = 0;
        for (int s = 0; s < oldSize; ++s) {
            const double x = (s - i / scale) * f, px = std::numbers::pi * x;
            const double w = x == 0 ? 1 : std::abs(x) >= 3 ? 0 : 3 * std::sin(px) * std::sin(px / 3) / (px * px);
            if (w != 0) axis[i].emplace_back(s, w);
            sum += w;
        }
        for (auto& tap : axis[i]) tap.second /= sum;
    }
    return axis;
}

int MaxDifferenceFromReference(const PixelBuffer& src, const PixelBuffer& ours) {
    const Axis wx = RefAxis(src.width(), ours.width()), wy = RefAxis(src.height(), ours.height());
    int worst = 0;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            for (int c = 0; c < 3; ++c) {
                double v = 0;
                for (auto [sy, fy] : wy[y])
                    for (auto [sx, fx] : wx[x]) v += fy * fx * src.scanLine(sy)[sx * 3 + c];
                const long want = std::lround(std::clamp(v, 0.0, 255.0));
                worst = std::max(worst, static_cast<int>(std::abs(want - ours.scanLine(y)[x * 3 + c])));
            }
    return worst;
}

}  // namespace

TEST(Lanczos, StaysWithinOneLevelOfTheDoubleReference) {
    struct Case { int w, h, newW, newH; };
    for (Case c : {Case{686, 548, 506, 413}, Case{100, 80, 13, 7}, Case{20, 15, 57, 41}, Case{31, 17, 31, 40}}) {
        const PixelBuffer src = MakeTestPicture(c.w, c.h, c.w);
        const PixelBuffer ours = LanczosResize(src, c.newW, c.newH);
        ASSERT_EQ(ours.width(), c.newW);
        ASSERT_EQ(ours.height(), c.newH);
        EXPECT_LE(MaxDifferenceFromReference(src, ours), 1) << c.w << "x" << c.h << " -> " << c.newW << "x" << c.newH;
    }
}

// Halving 21 pixels to 11 widens the kernel to ±6 source pixels, whose ends
// weigh nothing; the first and last pixels map onto each other.
TEST(Lanczos, ShrinkWidensTheKernel) {
    const LanczosTaps taps(21, 11);
    EXPECT_EQ(taps.first(5), 5);
    EXPECT_EQ(taps.count(5), 11);
    EXPECT_EQ(taps.first(10) + taps.count(10), 21);
}

TEST(Lanczos, FlatStaysExactlyFlat) {
    for (Bgr colour : {Bgr{0, 0, 0}, Bgr{255, 255, 255}, Bgr{1, 128, 254}})
        for (auto [w, h] : {std::pair{686, 548}, std::pair{7, 5}, std::pair{1, 1}})
            EXPECT_EQ(LanczosResize(PixelBuffer(w, h, colour), 506, 413), PixelBuffer(506, 413, colour));
}

// Same size is the identity; doubling 11 to 21 keeps every source pixel at the
// even positions, corners included.
TEST(Lanczos, SourcePixelsOnTheResultGridAreKept) {
    const PixelBuffer src = MakeTestPicture(11, 11);
    EXPECT_EQ(LanczosResize(src, 11, 11), src);
    const PixelBuffer big = LanczosResize(src, 21, 21);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) EXPECT_EQ(big.pixel(2 * x, 2 * y), src.pixel(x, y));
}

// Sizes where the end-to-end scale is undefined, and empty results.
TEST(Lanczos, DegenerateSizes) {
    EXPECT_TRUE(LanczosResize(MakeTestPicture(6, 4), 0, 5).empty());
    EXPECT_TRUE(LanczosResize(MakeTestPicture(6, 4), 5, -1).empty());
    EXPECT_TRUE(LanczosResize(PixelBuffer(), 5, 5).empty());
    const PixelBuffer column = MakeTestPicture(1, 4);
    const PixelBuffer wide = LanczosResize(column, 3, 4);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(wide.pixel(2, y), column.pixel(0, y));
    PixelBuffer twoTone(2, 1);
    twoTone.setPixel(1, 0, {200, 100, 50});
    EXPECT_EQ(LanczosResize(twoTone, 1, 1).pixel(0, 0), (Bgr{100, 50, 25}));
}
