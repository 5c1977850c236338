// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG files through libjpeg-turbo.
//
// DecodeJpeg returns the picture as 24-bit BGR; grayscale files are spread to three
// equal channels. Truncated, corrupted or unsupported files (CMYK, for one) throw
// CodecError with libjpeg's own message; the library never ends the program.
// EncodeJpeg writes a baseline file of the given quality (1..100), in colour or,
// with grayscale set, as one luminance channel.
#include <cstdint>
#include <span>
#include <vector>

#include "codecs/codec_error.h"
#include "codecs/pixel_buffer.h"

// True when the bytes start with a JPEG start-of-image marker.
bool LooksLikeJpeg(std::span<const std::uint8_t> bytes);

PixelBuffer DecodeJpeg(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> EncodeJpeg(const PixelBuffer& picture, int quality = 90, bool grayscale = false);
