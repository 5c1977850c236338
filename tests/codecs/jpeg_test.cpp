// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/jpeg.h"

#include <gtest/gtest.h>

#include "tests/codecs/test_pictures.h"

namespace {

void ExpectNear(Bgr got, Bgr want, int tolerance) {
    EXPECT_NEAR(got.b, want.b, tolerance);
    EXPECT_NEAR(got.g, want.g, tolerance);
    EXPECT_NEAR(got.r, want.r, tolerance);
}

}  // namespace

TEST(Jpeg, DecodesColourAndGrayInOurByteOrder) {
    PixelBuffer p(32, 24, {0, 0, 255});  // red above, blue below
    for (int y = 8; y < 24; ++y)
        for (int x = 0; x < 32; ++x) p.setPixel(x, y, {255, 0, static_cast<std::uint8_t>(x * 8)});
    const PixelBuffer back = DecodeJpeg(EncodeJpeg(p, 100));
    ASSERT_EQ(back.width(), 32);
    ASSERT_EQ(back.height(), 24);
    ExpectNear(back.pixel(5, 2), {0, 0, 255}, 6);
    ExpectNear(back.pixel(28, 20), {255, 0, 224}, 6);
    const PixelBuffer gray = DecodeJpeg(EncodeJpeg(p, 100, true));
    for (int x : {5, 28}) {
        const Bgr c = gray.pixel(x, 20);
        EXPECT_EQ(c.b, c.g);
        EXPECT_EQ(c.g, c.r);
        EXPECT_NEAR(c.b, (114 * 255 + 299 * x * 8) / 1000, 3);  // luminance of blue + red
    }
}

// Every cut, down to the end marker's last byte, is an error rather than a
// picture padded with grey; damaged bytes give a picture or CodecError, nothing
// else (the sanitizers watch).
TEST(Jpeg, RefusesTruncatedAndDamagedFiles) {
    const std::vector<std::uint8_t> file = EncodeJpeg(MakeTestPicture(16, 16));
    for (std::size_t n = 0; n < file.size(); ++n)
        EXPECT_THROW(DecodeJpeg({file.data(), n}), CodecError) << "cut at " << n;
    for (std::size_t i = 2; i < file.size(); i += 3) {
        std::vector<std::uint8_t> bad = file;
        bad[i] ^= 0x5A;
        try {
            EXPECT_FALSE(DecodeJpeg(bad).empty());
        } catch (const CodecError&) {
        }
    }
}
