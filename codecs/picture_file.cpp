// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/picture_file.h"

#include "codecs/bmp.h"
#include "codecs/jpeg.h"

PixelBuffer DecodePicture(std::span<const std::uint8_t> bytes) {
    if (LooksLikeBmp(bytes)) return DecodeBmp(bytes);
    if (LooksLikeJpeg(bytes)) return DecodeJpeg(bytes);
    throw CodecError("unknown picture format: neither a bitmap nor a JPEG file");
}
