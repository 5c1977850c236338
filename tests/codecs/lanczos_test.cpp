#include "codecs/lanczos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "codecs/lanczos_taps.h"
#include "tests/codecs/test_pictures.h"

namespace {

// The resampling formula in plain double precision, written out independently:
// for each result pixel, the normalised kernel weights along each axis, applied
// as a full two-dimensional sum, rounded once at the end.
double RefKernel(double x) {
    if (x == 0) return 1;
    if (std::abs(x) >= 3) return 0;
    const double px = std::numbers::pi * x;
    return 3 * std::sin(px) * std::sin(px / 3) / (px * px);
}

std::vector<double> RefWeights(int oldSize, int newSize, int i) {
    const double scale = double(newSize - 1) / (oldSize - 1);
    const double centre = i * (oldSize - 1) / double(newSize - 1);
    const double f = std::min(1.0, scale);
    std::vector<double> w(oldSize);
    double sum = 0;
    for (int s = 0; s < oldSize; ++s) sum += w[s] = RefKernel((s - centre) * f);
    for (double& v : w) v /= sum;
    return w;
}

// Nonzero weights of every result pixel along one axis: (source index, weight).
using AxisWeights = std::vector<std::vector<std::pair<int, double>>>;

AxisWeights RefAxis(int oldSize, int newSize) {
    AxisWeights axis(newSize);
    for (int i = 0; i < newSize; ++i) {
        const std::vector<double> w = RefWeights(oldSize, newSize, i);
        for (int s = 0; s < oldSize; ++s)
            if (w[s] != 0) axis[i].emplace_back(s, w[s]);
    }
    return axis;
}

PixelBuffer ReferenceResize(const PixelBuffer& src, int newW, int newH) {
    const AxisWeights wx = RefAxis(src.width(), newW), wy = RefAxis(src.height(), newH);
    PixelBuffer out(newW, newH);
    for (int y = 0; y < newH; ++y)
        for (int x = 0; x < newW; ++x)
            for (int c = 0; c < 3; ++c) {
                double v = 0;
                for (auto [sy, fy] : wy[y])
                    for (auto [sx, fx] : wx[x]) v += fy * fx * src.scanLine(sy)[sx * 3 + c];
                out.scanLine(y)[x * 3 + c] = static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
            }
    return out;
}

int MaxDifference(const PixelBuffer& a, const PixelBuffer& b) {
    int worst = 0;
    for (int i = 0; i < a.stride() * a.height(); ++i)
        worst = std::max(worst, std::abs(a.data()[i] - b.data()[i]));
    return worst;
}

}  // namespace

TEST(Lanczos, KernelIsSincTimesWidenedSinc) {
    EXPECT_DOUBLE_EQ(LanczosTaps::Kernel(0), 1.0);
    EXPECT_NEAR(LanczosTaps::Kernel(0.5), 0.6079271, 1e-6);
    EXPECT_NEAR(LanczosTaps::Kernel(-1.5), -0.1350949, 1e-6);
    EXPECT_NEAR(LanczosTaps::Kernel(1), 0.0, 1e-12);
    EXPECT_EQ(LanczosTaps::Kernel(3), 0.0);
    EXPECT_EQ(LanczosTaps::Kernel(-4.2), 0.0);
}

// Halving 21 pixels to 11 widens the kernel to ±6 source pixels; the ends of
// that reach carry weight 0 and are dropped.
TEST(Lanczos, ShrinkWidensTheKernelAndEndsMapToEnds) {
    const LanczosTaps taps(21, 11);
    EXPECT_EQ(taps.first(5), 5);
    EXPECT_EQ(taps.count(5), 11);
    EXPECT_EQ(taps.first(0), 0);
    EXPECT_EQ(taps.first(10) + taps.count(10), 21);
    const LanczosTaps grow(11, 21);
    EXPECT_EQ(grow.count(4), 1);  // result pixel 4 sits on source pixel 2
    EXPECT_EQ(grow.first(4), 2);
}

TEST(Lanczos, StaysWithinOneLevelOfTheDoubleReference) {
    struct Case { int w, h, newW, newH; };
    for (Case c : {Case{686, 548, 506, 413}, Case{137, 110, 101, 83}, Case{100, 80, 13, 7}, Case{20, 15, 57, 41},
                   Case{31, 17, 31, 40}, Case{9, 9, 2, 2}}) {
        const PixelBuffer src = MakeTestPicture(c.w, c.h, c.w);
        const PixelBuffer ours = LanczosResize(src, c.newW, c.newH);
        ASSERT_EQ(ours.width(), c.newW);
        ASSERT_EQ(ours.height(), c.newH);
        const int worst = MaxDifference(ours, ReferenceResize(src, c.newW, c.newH));
        EXPECT_LE(worst, 1)
            << c.w << "x" << c.h << " -> " << c.newW << "x" << c.newH;
    }
}

TEST(Lanczos, FlatStaysExactlyFlat) {
    for (Bgr colour : {Bgr{0, 0, 0}, Bgr{255, 255, 255}, Bgr{1, 128, 254}, Bgr{77, 3, 200}})
        for (auto [w, h] : {std::pair{686, 548}, std::pair{7, 5}, std::pair{1, 1}}) {
            const PixelBuffer out = LanczosResize(PixelBuffer(w, h, colour), 506, 413);
            EXPECT_EQ(out, PixelBuffer(506, 413, colour));
        }
}

// Same size is the identity; doubling 11 to 21 keeps every source pixel at
// the even result positions, the corners included.
TEST(Lanczos, SourcePixelsOnTheResultGridAreKept) {
    const PixelBuffer src = MakeTestPicture(11, 11);
    EXPECT_EQ(LanczosResize(src, 11, 11), src);
    const PixelBuffer big = LanczosResize(src, 21, 21);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) EXPECT_EQ(big.pixel(2 * x, 2 * y), src.pixel(x, y));
}

TEST(Lanczos, DegenerateSizes) {
    const PixelBuffer src = MakeTestPicture(6, 4);
    EXPECT_TRUE(LanczosResize(src, 0, 5).empty());
    EXPECT_TRUE(LanczosResize(src, 5, -1).empty());
    EXPECT_TRUE(LanczosResize(PixelBuffer(), 5, 5).empty());
    // One source column is repeated across the result.
    const PixelBuffer column = LanczosResize(MakeTestPicture(1, 4), 3, 4);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(column.pixel(2, y), MakeTestPicture(1, 4).pixel(0, y));
    // One result pixel averages the source: a two-tone row gives the middle.
    PixelBuffer twoTone(2, 1, {0, 0, 0});
    twoTone.setPixel(1, 0, {200, 100, 50});
    EXPECT_EQ(LanczosResize(twoTone, 1, 1).pixel(0, 0), (Bgr{100, 50, 25}));
}
