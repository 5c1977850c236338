#pragma once
// Procedural pictures for codec tests and benchmarks: smooth gradients, hard
// edges and fine noise, so resampling and compression have real work to do.
#include <cstdint>

#include "codecs/pixel_buffer.h"

inline PixelBuffer MakeTestPicture(int width, int height, std::uint32_t seed = 1) {
    PixelBuffer p(width, height);
    std::uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int noise = static_cast<int>(state >> 28);  // 0..15
            const bool stripe = ((x / 7 + y / 5) % 3) == 0;
            const bool disc = (x - width / 2) * (x - width / 2) + (y - height / 3) * (y - height / 3) <
                              (height / 4) * (height / 4);
            const int b = (x * 255 / (width > 1 ? width - 1 : 1) + noise) % 256;
            const int g = stripe ? 230 - noise : 20 + noise;
            const int r = disc ? 250 - noise : (y * 255 / (height > 1 ? height - 1 : 1)) ^ noise;
            p.setPixel(x, y, {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g),
                              static_cast<std::uint8_t>(r & 255)});
        }
    return p;
}
