#include "codecs/bmp.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/codecs/test_pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void SetU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void SetU16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A 2 × 2 file of the given depth: header from our encoder, pixel rows as given.
Bytes HandMadeFile(int bits, const Bytes& palette, const Bytes& rows, int height = 2) {
    Bytes b = EncodeBmp(PixelBuffer(2, 2));
    b.resize(54);
    SetU32(b, 22, static_cast<std::uint32_t>(height));
    SetU16(b, 28, static_cast<std::uint16_t>(bits));
    SetU32(b, 46, static_cast<std::uint32_t>(palette.size() / 4));
    SetU32(b, 10, static_cast<std::uint32_t>(54 + palette.size()));
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

void ExpectRejected(const Bytes& b, const char* what) {
    EXPECT_THROW(DecodeBmp(b), CodecError) << what;
}

}  // namespace

// Widths 1 to 5 cover every row padding (3, 2, 1, 0, 3 bytes).
TEST(Bmp, RoundTripsEveryRowPadding) {
    for (int w = 1; w <= 5; ++w) {
        const PixelBuffer p = MakeTestPicture(w, 3, w);
        const Bytes file = EncodeBmp(p);
        EXPECT_EQ(file.size(), 54u + ((w * 3 + 3) / 4 * 4) * 3u);
        EXPECT_EQ(DecodeBmp(file), p) << "width " << w;
    }
}

TEST(Bmp, WritesBottomUpRowsInBlueGreenRedOrder) {
    PixelBuffer p(1, 2);
    p.setPixel(0, 0, {1, 2, 3});
    p.setPixel(0, 1, {4, 5, 6});
    const Bytes b = EncodeBmp(p);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[28], 24);
    EXPECT_EQ(Bytes(b.begin() + 54, b.end()), (Bytes{4, 5, 6, 0, 1, 2, 3, 0}));
}

TEST(Bmp, ReadsTopDownThirtyTwoBitAndPaletted) {
    PixelBuffer expected(2, 2);
    expected.setPixel(0, 0, {1, 2, 3});
    expected.setPixel(1, 0, {4, 5, 6});
    expected.setPixel(0, 1, {7, 8, 9});
    expected.setPixel(1, 1, {10, 11, 12});
    const Bytes topDown = HandMadeFile(24, {}, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}, -2);
    EXPECT_EQ(DecodeBmp(topDown), expected);
    const Bytes deep = HandMadeFile(32, {}, {7, 8, 9, 99, 10, 11, 12, 99, 1, 2, 3, 99, 4, 5, 6, 99});
    EXPECT_EQ(DecodeBmp(deep), expected);
    const Bytes palette = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
    EXPECT_EQ(DecodeBmp(HandMadeFile(8, palette, {2, 3, 0, 0, 0, 1, 0, 0})), expected);
}

// Every cut of a valid file is refused cleanly (the sanitizers watch the reads).
TEST(Bmp, RefusesEveryTruncation) {
    const Bytes file = EncodeBmp(MakeTestPicture(5, 4));
    for (std::size_t n = 0; n < file.size(); ++n)
        EXPECT_THROW(DecodeBmp(Bytes(file.begin(), file.begin() + n)), CodecError) << n;
}

TEST(Bmp, RefusesInconsistentHeaders) {
    const Bytes good = EncodeBmp(MakeTestPicture(2, 2));
    const auto with = [&](std::size_t at, std::uint32_t v) { Bytes b = good; SetU32(b, at, v); return b; };
    ExpectRejected(with(18, 0), "zero width");
    ExpectRejected(with(18, 0xFFFFFFFF), "negative width");
    ExpectRejected(with(22, 0), "zero height");
    ExpectRejected(with(22, 0x80000000), "most negative height");
    ExpectRejected(with(18, 0x10000), "width beyond the data");
    ExpectRejected(with(30, 1), "run-length compression");
    ExpectRejected(with(14, 12), "old core header");
    ExpectRejected(with(10, 0xFFFFFFF0), "pixel offset past the end");
    Bytes sixteen = good;
    SetU16(sixteen, 28, 16);
    ExpectRejected(sixteen, "16 bits per pixel");
    const Bytes shortPalette = {1, 2, 3, 0, 4, 5, 6, 0};
    ExpectRejected(HandMadeFile(8, shortPalette, {2, 0, 0, 0, 0, 0, 0, 0}), "index past the palette");
    ExpectRejected(HandMadeFile(8, Bytes(257 * 4, 0), Bytes(8, 0)), "palette too long");
}
