// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/split_blur.h"

#include <cstdint>

namespace {

// The source index `amount` before or after i on an axis of the given size.
int Before(int i, int amount) { return i - amount >= 0 ? i - amount : i; }
int After(int i, int amount, int size) { return i + amount < size ? i + amount : size - i; }

void BlurRow(PixelBuffer& picture, int y, int amount) {
    const int width = picture.width();
    const std::uint8_t* upper = picture.scanLine(Before(y, amount));
    const std::uint8_t* lower = picture.scanLine(After(y, amount, picture.height()));
    std::uint8_t* out = picture.scanLine(y);
    for (int x = 0; x < width; ++x) {
        const int left = Before(x, amount) * 3;
        const int right = After(x, amount, width) * 3;
        for (int c = 0; c < 3; ++c)
            out[x * 3 + c] = static_cast<std::uint8_t>(
                (upper[left + c] + lower[left + c] + upper[right + c] + lower[right + c]) >> 2);
    }
}

}  // namespace

void SplitBlur(PixelBuffer& picture, int amount) {
    if (amount <= 0 || amount >= picture.width() || amount >= picture.height()) return;
    for (int y = 0; y < picture.height(); ++y) BlurRow(picture, y, amount);
}
