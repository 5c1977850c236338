// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/bmp.h"

#include <gtest/gtest.h>

#include "tests/codecs/test_pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Set(Bytes& b, std::size_t at, std::uint32_t v, int size = 4) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 2 × 2 file of the given depth and height sign, with the rows given.
Bytes HandMadeFile(int bits, const Bytes& palette, const Bytes& rows, int height = 2) {
    Bytes b = EncodeBmp(PixelBuffer(2, 2));
    b.resize(54);
    Set(b, 22, static_cast<std::uint32_t>(height));
    Set(b, 28, bits, 2);
    Set(b, 46, static_cast<std::uint32_t>(palette.size() / 4));
    Set(b, 10, static_cast<std::uint32_t>(54 + palette.size()));
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

}  // namespace

// Widths 1 to 5 cover every row padding; rows are stored bottom-up.
TEST(Bmp, WritesPaddedBottomUpRowsAndReadsThemBack) {
    for (int w = 1; w <= 5; ++w) {
        const PixelBuffer p = MakeTestPicture(w, 3, w);
        const Bytes file = EncodeBmp(p);
        EXPECT_EQ(file.size(), 54u + ((w * 3 + 3) / 4 * 4) * 3u);
        EXPECT_EQ(DecodeBmp(file), p) << "width " << w;
    }
    PixelBuffer p(1, 2, {1, 2, 3});
    p.setPixel(0, 1, {4, 5, 6});
    const Bytes b = EncodeBmp(p);
    EXPECT_EQ(Bytes(b.begin() + 54, b.end()), (Bytes{4, 5, 6, 0, 1, 2, 3, 0}));
}

TEST(Bmp, ReadsTopDownThirtyTwoBitAndPaletted) {
    PixelBuffer expected(2, 2, {1, 2, 3});
    expected.setPixel(1, 0, {4, 5, 6});
    expected.setPixel(0, 1, {7, 8, 9});
    expected.setPixel(1, 1, {10, 11, 12});
    EXPECT_EQ(DecodeBmp(HandMadeFile(24, {}, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}, -2)), expected);
    EXPECT_EQ(DecodeBmp(HandMadeFile(32, {}, {7, 8, 9, 0, 10, 11, 12, 0, 1, 2, 3, 0, 4, 5, 6, 0})), expected);
    const Bytes palette = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
    EXPECT_EQ(DecodeBmp(HandMadeFile(8, palette, {2, 3, 0, 0, 0, 1, 0, 0})), expected);
}

// Every cut of a valid file, and every inconsistent header, is refused cleanly;
// the sanitizers watch the reads.
TEST(Bmp, RefusesTruncatedAndInconsistentFiles) {
    const Bytes good = EncodeBmp(MakeTestPicture(5, 4));
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_THROW(DecodeBmp(Bytes(good.begin(), good.begin() + n)), CodecError) << n;
    struct Damage { std::size_t at; std::uint32_t value; int size; };
    for (Damage d : {Damage{18, 0, 4}, {18, 0xFFFFFFFF, 4}, {22, 0, 4}, {22, 0x80000000, 4},
                     {18, 0x10000, 4}, {30, 1, 4}, {14, 12, 4}, {10, 0xFFFFFFF0, 4}, {10, 20, 4}, {28, 16, 2}}) {
        Bytes bad = good;
        Set(bad, d.at, d.value, d.size);
        EXPECT_THROW(DecodeBmp(bad), CodecError) << "offset " << d.at << " = " << d.value;
    }
    EXPECT_THROW(DecodeBmp(HandMadeFile(8, Bytes(8, 0), {2, 0, 0, 0, 0, 0, 0, 0})), CodecError);
    EXPECT_THROW(DecodeBmp(HandMadeFile(8, Bytes(257 * 4, 0), Bytes(8, 0))), CodecError);
}
