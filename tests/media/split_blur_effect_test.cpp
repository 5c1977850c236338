// SPDX-License-Identifier: GPL-3.0-or-later
// The reel blur wrappers: each reel shows a blurred copy, the strip stays as it is.
#include <gtest/gtest.h>

#include "media/split_blur.h"
#include "tests/machine/started_program.h"

namespace {

struct BlurEffectTest : ::testing::Test {
    SceneWindow w;
    TForm1& f = *w.form;
    const PixelBuffer strip = f.Image1->Picture().Bitmap().Pixels();

    PixelBuffer Blurred(int amount) const {
        PixelBuffer p = strip;
        SplitBlur(p, amount);
        return p;
    }
    const PixelBuffer& Shown(const TImage* reel) const { return reel->Picture().Bitmap().Pixels(); }
};

}  // namespace

TEST_F(BlurEffectTest, EachWrapperFillsItsOwnReelFromAnUnchangedStrip) {
    ASSERT_EQ(strip.width(), 91);
    ASSERT_EQ(strip.height(), 60);
    const PixelBuffer middleBefore = Shown(f.Walze_mitte1);
    const PixelBuffer rightBefore = Shown(f.Walze_rechts1);
    for (int tick = 0; tick < 5; ++tick) f.Effect_SplitBlur_1(4);
    EXPECT_EQ(Shown(f.Walze_links1), Blurred(4));
    EXPECT_EQ(Shown(f.Walze_mitte1), middleBefore);
    EXPECT_EQ(Shown(f.Walze_rechts1), rightBefore);

    f.Effect_SplitBlur_2(2);
    f.Effect_SplitBlur_3(3);
    EXPECT_EQ(Shown(f.Walze_mitte1), Blurred(2));
    EXPECT_EQ(Shown(f.Walze_rechts1), Blurred(3));
    EXPECT_EQ(f.Image1->Picture().Bitmap().Pixels(), strip);
    // The reel window keeps its size and stretches the small picture.
    EXPECT_EQ(f.Walze_links1->Width(), 253);
}

TEST_F(BlurEffectTest, AmountZeroShowsThePlainStrip) {
    f.Effect_SplitBlur_2(0);
    EXPECT_EQ(Shown(f.Walze_mitte1), strip);
    EXPECT_NE(Blurred(1), strip);
}

// The window keeps the last eight blurred strips; one dropped is made again alike.
TEST_F(BlurEffectTest, TheWindowKeepsOnlyTheLastEightBlurredStrips) {
    EXPECT_TRUE(f.ReelBlur.Entries.empty());
    for (int amount = 1; amount <= 10; ++amount) f.Effect_SplitBlur_1(amount);
    EXPECT_EQ(f.ReelBlur.Entries.size(), 8u);
    EXPECT_EQ(f.ReelBlur.Entries.front().amount, 3);
    f.Effect_SplitBlur_2(1);
    EXPECT_EQ(Shown(f.Walze_mitte1), Blurred(1));
    EXPECT_EQ(f.ReelBlur.Entries.size(), 8u);
}
