// SPDX-License-Identifier: GPL-3.0-or-later
// The JPEG reader on any bytes: a picture or a CodecError, never a fault; what it reads can be
// written and read again at the same size.
#include <cstddef>
#include <cstdint>
#include <span>

#include "codecs/jpeg.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PixelBuffer picture;
    try {
        picture = DecodeJpeg(std::span(data, size));
    } catch (const CodecError&) {
        return 0;
    }
    FUZZ_CHECK(!picture.empty());
    // Encoding costs time in proportion to the pixels; small pictures are enough for the check.
    if (picture.width() * picture.height() > 64 * 64) return 0;
    const PixelBuffer again = DecodeJpeg(EncodeJpeg(picture));
    FUZZ_CHECK(again.width() == picture.width() && again.height() == picture.height());
    return 0;
}
