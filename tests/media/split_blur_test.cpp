// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/split_blur.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/codecs/test_pictures.h"

namespace {

// Builds a picture from one value per pixel: blue = v, green = 255 − v,
// red = v / 2 + 7, so a mix-up of channels shows.
PixelBuffer FromValues(int width, int height, const std::vector<int>& v) {
    PixelBuffer p(width, height);
    for (int i = 0; i < width * height; ++i)
        p.setPixel(i % width, i / width,
                   {static_cast<std::uint8_t>(v[i]), static_cast<std::uint8_t>(255 - v[i]),
                    static_cast<std::uint8_t>(v[i] / 2 + 7)});
    return p;
}

std::vector<int> Channel(const PixelBuffer& p, std::uint8_t Bgr::*channel) {
    std::vector<int> out;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) out.push_back(p.pixel(x, y).*channel);
    return out;
}

}  // namespace

// Worked by hand for blue: row 2 reads row 1 twice (2 + 1 wraps to 3 − 2), and
// column 3 takes its right source from column 1 (4 − 3).
TEST(SplitBlur, FourByThreeAmountOne) {
    PixelBuffer p = FromValues(4, 3, {0, 40, 80, 120, 160, 200, 240, 20, 60, 100, 140, 180});
    SplitBlur(p, 1);
    EXPECT_EQ(Channel(p, &Bgr::b), (std::vector<int>{100, 145, 121, 176, 101, 105, 150, 126, 103, 125, 115, 127}));
    EXPECT_EQ(Channel(p, &Bgr::g), (std::vector<int>{155, 110, 133, 78, 153, 149, 104, 128, 151, 128, 138, 126}));
    EXPECT_EQ(Channel(p, &Bgr::r), (std::vector<int>{57, 79, 67, 95, 57, 59, 82, 70, 58, 69, 64, 70}));
}

// Amount 2: the last two rows read rows 2 and 1, the last two columns 2 and 1.
TEST(SplitBlur, FiveByFourAmountTwo) {
    PixelBuffer p = FromValues(5, 4, {10, 250, 30, 90, 170, 0, 255, 64, 128, 33,
                                      77, 5, 199, 240, 18, 121, 66, 3, 210, 144});
    SplitBlur(p, 2);
    EXPECT_EQ(Channel(p, &Bgr::b), (std::vector<int>{79, 146, 86, 109, 109, 47, 164, 86, 79, 79, 110, 125, 79, 109, 109, 66, 121, 63, 125, 125}));
    EXPECT_EQ(Channel(p, &Bgr::g), (std::vector<int>{176, 108, 169, 145, 145, 208, 90, 168, 174, 174, 144, 129, 175, 145, 145, 188, 132, 191, 129, 129}));
}

TEST(SplitBlur, AmountZeroAndRefusedAmountsLeaveThePictureAlone) {
    const PixelBuffer original = MakeTestPicture(6, 4);
    for (int amount : {0, -1, -5, 4, 6, 7, 100}) {
        PixelBuffer p = original;
        SplitBlur(p, amount);
        EXPECT_EQ(p, original) << "amount " << amount;
    }
}

// The largest accepted amounts wrap to the far edge rows and columns (the
// sanitizers watch the reads); a flat strip stays flat whatever the amount.
TEST(SplitBlur, LargestAmountsStayInsideAndFlatStaysFlat) {
    for (auto [w, h] : {std::pair{5, 9}, std::pair{9, 5}}) {
        PixelBuffer p = MakeTestPicture(w, h);
        SplitBlur(p, 4);
        EXPECT_NE(p, MakeTestPicture(w, h));
    }
    for (int amount : {1, 2, 3, 4}) {
        PixelBuffer flat(91, 60, {12, 200, 255});
        SplitBlur(flat, amount);
        EXPECT_EQ(flat, PixelBuffer(91, 60, {12, 200, 255}));
    }
}
