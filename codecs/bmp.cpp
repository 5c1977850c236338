// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/bmp.h"

#include <array>
#include <cstddef>
#include <string>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;

[[noreturn]] void Fail(const std::string& why) { throw CodecError("BMP: " + why); }

std::uint32_t ReadU32(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t ReadU16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::int32_t ReadI32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(b, at));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::size_t RowBytes(std::int64_t width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// What the headers say about the pixel array.
struct Layout {
    std::int64_t width = 0, height = 0;  // height positive
    bool topDown = false;
    int bitsPerPixel = 0;
    std::size_t pixelOffset = 0;
    std::vector<Bgr> palette;
};

std::vector<Bgr> ReadPalette(std::span<const std::uint8_t> b, std::size_t at, std::uint32_t used,
                             int bitsPerPixel) {
    const std::uint32_t count = used == 0 ? 1u << bitsPerPixel : used;
    if (count > 256u) Fail("palette has more than 256 entries");
    if (at + std::size_t{count} * 4 > b.size()) Fail("file ends inside the palette");
    std::vector<Bgr> palette(count);
    for (std::uint32_t i = 0; i < count; ++i)
        palette[i] = {b[at + 4 * i], b[at + 4 * i + 1], b[at + 4 * i + 2]};
    return palette;
}

Layout ReadLayout(std::span<const std::uint8_t> b) {
    if (!LooksLikeBmp(b)) Fail("not a bitmap file");
    if (b.size() < kFileHeaderSize + kInfoHeaderSize) Fail("file ends inside the header");
    const std::uint32_t infoSize = ReadU32(b, kFileHeaderSize);
    if (infoSize < kInfoHeaderSize) Fail("unsupported header size " + std::to_string(infoSize));
    const std::size_t h = kFileHeaderSize;
    Layout l;
    l.width = ReadI32(b, h + 4);
    const std::int64_t height = ReadI32(b, h + 8);
    l.topDown = height < 0;
    l.height = l.topDown ? -height : height;
    l.bitsPerPixel = ReadU16(b, h + 14);
    const std::uint32_t compression = ReadU32(b, h + 16);
    l.pixelOffset = ReadU32(b, 10);
    if (l.width <= 0 || l.height <= 0) Fail("picture has no pixels");
    if (l.width > 0x7fffff || l.height > 0x7fffff) Fail("picture is too large");
    if (compression != kBiRgb) Fail("compressed bitmaps are not supported");
    if (l.bitsPerPixel == 8)
        l.palette = ReadPalette(b, h + infoSize, ReadU32(b, h + 32), 8);
    else if (l.bitsPerPixel != 24 && l.bitsPerPixel != 32)
        Fail(std::to_string(l.bitsPerPixel) + " bits per pixel are not supported");
    const std::size_t headersEnd = h + infoSize + l.palette.size() * 4;
    if (l.pixelOffset < headersEnd) Fail("pixel data overlaps the header");
    const std::size_t need = RowBytes(l.width, l.bitsPerPixel) * static_cast<std::size_t>(l.height);
    if (l.pixelOffset > b.size() || b.size() - l.pixelOffset < need) Fail("file ends inside the pixels");
    return l;
}

void DecodeRow(const Layout& l, const std::uint8_t* src, std::uint8_t* dst) {
    for (std::int64_t x = 0; x < l.width; ++x, dst += 3) {
        if (l.bitsPerPixel == 8) {
            const std::uint8_t index = src[x];
            if (index >= l.palette.size()) Fail("pixel refers past the palette");
            const Bgr c = l.palette[index];
            dst[0] = c.b; dst[1] = c.g; dst[2] = c.r;
        } else {
            const std::uint8_t* p = src + x * (l.bitsPerPixel / 8);
            dst[0] = p[0]; dst[1] = p[1]; dst[2] = p[2];
        }
    }
}

}  // namespace

bool LooksLikeBmp(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

PixelBuffer DecodeBmp(std::span<const std::uint8_t> bytes) {
    const Layout l = ReadLayout(bytes);
    PixelBuffer picture(static_cast<int>(l.width), static_cast<int>(l.height));
    const std::size_t rowBytes = RowBytes(l.width, l.bitsPerPixel);
    for (int y = 0; y < picture.height(); ++y) {
        const std::size_t fileRow = l.topDown ? y : picture.height() - 1 - y;
        DecodeRow(l, bytes.data() + l.pixelOffset + fileRow * rowBytes, picture.scanLine(y));
    }
    return picture;
}

std::vector<std::uint8_t> EncodeBmp(const PixelBuffer& picture) {
    const std::size_t rowBytes = RowBytes(picture.width(), 24);
    const std::size_t pixelBytes = rowBytes * picture.height();
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(picture.width()));
    PutU32(out, static_cast<std::uint32_t>(picture.height()));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, kBiRgb);
    PutU32(out, static_cast<std::uint32_t>(pixelBytes));
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const std::uint8_t* row = picture.scanLine(y);
        out.insert(out.end(), row, row + picture.stride());
        out.resize(out.size() + rowBytes - picture.stride(), 0);
    }
    return out;
}
