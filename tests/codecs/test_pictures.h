// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A procedural picture for codec tests and benchmarks: gradients, hard-edged
// stripes and a disc, and fine noise, so filters and compression have real work.
#include <cstdint>

#include "codecs/pixel_buffer.h"

inline PixelBuffer MakeTestPicture(int width, int height, std::uint32_t seed = 1) {
    PixelBuffer p(width, height);
    std::uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int noise = static_cast<int>(state >> 28), dx = x - width / 2, dy = y - height / 3;
            const bool disc = dx * dx + dy * dy < height * height / 16;
            p.setPixel(x, y, {static_cast<std::uint8_t>(x * 255 / (width + 1) + noise),
                              static_cast<std::uint8_t>((x / 7 + y / 5) % 3 == 0 ? 230 - noise : 20 + noise),
                              static_cast<std::uint8_t>(disc ? 250 - noise : (y * 255 / (height + 1)) ^ noise)});
        }
    return p;
}
