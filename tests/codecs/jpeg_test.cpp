#include "codecs/jpeg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>

#include <jpeglib.h>

#include "tests/codecs/test_pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

double MeanDifference(const PixelBuffer& a, const PixelBuffer& b) {
    const int n = a.stride() * a.height();
    long total = 0;
    for (int i = 0; i < n; ++i) total += std::abs(a.data()[i] - b.data()[i]);
    return static_cast<double>(total) / n;
}

// A one-channel file, which our encoder does not write.
Bytes GrayJpeg(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    Bytes row(width);
    while (info.next_scanline < info.image_height) {
        std::fill(row.begin(), row.end(), static_cast<std::uint8_t>(info.next_scanline * 16));
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

}  // namespace

TEST(Jpeg, RoundTripKeepsSizeAndChannelOrder) {
    PixelBuffer p(32, 16, {0, 0, 255});  // red
    for (int x = 16; x < 32; ++x)
        for (int y = 0; y < 16; ++y) p.setPixel(x, y, {255, 0, 0});  // blue
    const PixelBuffer back = DecodeJpeg(EncodeJpeg(p, 100));
    ASSERT_EQ(back.width(), 32);
    ASSERT_EQ(back.height(), 16);
    for (auto [x, want] : {std::pair{4, Bgr{0, 0, 255}}, std::pair{27, Bgr{255, 0, 0}}}) {
        const Bgr got = back.pixel(x, 8);
        EXPECT_NEAR(got.b, want.b, 6);
        EXPECT_NEAR(got.g, want.g, 6);
        EXPECT_NEAR(got.r, want.r, 6);
    }
    // A smooth picture survives at high quality, its rows in the right order.
    PixelBuffer smooth(37, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            smooth.setPixel(x, y, {std::uint8_t(x * 7), std::uint8_t(y * 11), std::uint8_t((x + y) * 4)});
    const PixelBuffer smoothBack = DecodeJpeg(EncodeJpeg(smooth, 100));
    ASSERT_EQ(smoothBack.width(), 37);
    EXPECT_LT(MeanDifference(smoothBack, smooth), 2.0);
}

TEST(Jpeg, GrayscaleSpreadsToThreeEqualChannels) {
    const PixelBuffer p = DecodeJpeg(GrayJpeg(8, 8));
    ASSERT_EQ(p.width(), 8);
    for (int y = 0; y < 8; ++y) {
        const Bgr c = p.pixel(3, y);
        EXPECT_EQ(c.b, c.g);
        EXPECT_EQ(c.g, c.r);
        EXPECT_NEAR(c.b, y * 16, 2);
    }
}

// Every cut, down to the last byte of the end marker, is an error, not a
// picture padded with grey.
TEST(Jpeg, RefusesEveryTruncation) {
    const Bytes file = EncodeJpeg(MakeTestPicture(16, 16));
    for (std::size_t n = 0; n < file.size(); ++n) {
        try {
            DecodeJpeg(Bytes(file.begin(), file.begin() + n));
            ADD_FAILURE() << "decoded a file cut at " << n;
        } catch (const CodecError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("JPEG: ", 0), 0u);
        }
    }
}

TEST(Jpeg, RefusesCorruptedFiles) {
    EXPECT_THROW(DecodeJpeg(Bytes{0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34}), CodecError);
    Bytes file = EncodeJpeg(MakeTestPicture(16, 16));
    // Damage every byte in turn: each file either decodes to the right size or
    // throws CodecError; nothing else may happen (the sanitizers watch).
    for (std::size_t i = 2; i < file.size(); i += 3) {
        Bytes bad = file;
        bad[i] ^= 0x5A;
        try {
            const PixelBuffer p = DecodeJpeg(bad);
            EXPECT_FALSE(p.empty());
        } catch (const CodecError&) {
        }
    }
}
