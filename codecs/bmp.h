// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows bitmap files.
//
// Reading accepts uncompressed (BI_RGB) pictures of 24 bits per pixel, 32 bits
// (the fourth byte is dropped) and 8 bits with a palette, stored bottom-up or
// top-down, each row padded to a multiple of four bytes. Anything else, and any
// truncated or inconsistent file, throws CodecError.
// Writing always produces a bottom-up 24-bit BI_RGB file.
#include <cstdint>
#include <span>
#include <vector>

#include "codecs/codec_error.h"
#include "codecs/pixel_buffer.h"

// True when the bytes start like a bitmap file ("BM").
bool LooksLikeBmp(std::span<const std::uint8_t> bytes);

PixelBuffer DecodeBmp(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> EncodeBmp(const PixelBuffer& picture);
