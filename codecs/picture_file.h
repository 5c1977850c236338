// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decodes a picture file held in memory, choosing the codec by the file's first
// bytes: "BM" for a bitmap, FF D8 FF for a JPEG. Any other start, and any error of
// the chosen codec, throws CodecError.
#include <cstdint>
#include <span>

#include "codecs/codec_error.h"
#include "codecs/pixel_buffer.h"

PixelBuffer DecodePicture(std::span<const std::uint8_t> bytes);
