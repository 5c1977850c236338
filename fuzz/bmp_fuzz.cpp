// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap reader on any bytes: a picture or a CodecError, never a fault; what it reads
// survives writing and reading again unchanged.
#include <cstddef>
#include <cstdint>
#include <span>

#include "codecs/bmp.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PixelBuffer picture;
    try {
        picture = DecodeBmp(std::span(data, size));
    } catch (const CodecError&) {
        return 0;
    }
    FUZZ_CHECK(!picture.empty());
    // Every pixel needs at least one byte of the file.
    FUZZ_CHECK(static_cast<std::size_t>(picture.width()) * picture.height() <= size);
    FUZZ_CHECK(DecodeBmp(EncodeBmp(picture)) == picture);
    return 0;
}
