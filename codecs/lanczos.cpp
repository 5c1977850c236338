// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/lanczos.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include "codecs/lanczos_taps.h"

namespace {

// One row of the picture after the vertical pass, before rounding: the taps' source rows
// combined whole, which vectorises well. Row by row, the floats stay in the cache and no
// picture-sized buffer of them is ever made.
void FilterVertically(const PixelBuffer& source, const LanczosTaps& taps, int y, std::vector<float>& acc) {
    std::fill(acc.begin(), acc.end(), 0.0f);
    const float* w = taps.weights(y);
    const int length = source.stride();
    for (int k = 0; k < taps.count(y); ++k) {
        const std::uint8_t* src = source.scanLine(taps.first(y) + k);
        const float wk = w[k];
        for (int i = 0; i < length; ++i) acc[i] += wk * static_cast<float>(src[i]);
    }
}

// Four floats in one register; GCC and Clang vector extension.
using Lanes = float __attribute__((vector_size(16)));

Lanes Load(const float* p) {
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint8_t ToLevel(float v) {
    return static_cast<std::uint8_t>(std::min(std::max(v, 0.0f), 255.0f) + 0.5f);
}

// One vector operation per tap: the four lanes hold blue, green and red of the
// tap's pixel and the next pixel's blue, which is dropped.
void FilterHorizontally(const float* src, const LanczosTaps& taps, std::uint8_t* dst) {
    for (int x = 0; x < taps.size(); ++x, dst += 3) {
        const float* p = src + taps.first(x) * 3;
        const float* w = taps.weights(x);
        Lanes acc = {};
        for (int k = 0; k < taps.count(x); ++k, p += 3) acc += w[k] * Load(p);
        for (int c = 0; c < 3; ++c) dst[c] = ToLevel(acc[c]);
    }
}

// Rows from..to-1 of the result.
void FilterRows(const PixelBuffer& source, const LanczosTaps& horizontal, const LanczosTaps& vertical,
                PixelBuffer& result, int from, int to) {
    // One spare float at the end: the horizontal pass loads four at a time.
    std::vector<float> row(static_cast<std::size_t>(source.stride()) + 1, 0.0f);
    for (int y = from; y < to; ++y) {
        FilterVertically(source, vertical, y, row);
        FilterHorizontally(row.data(), horizontal, result.scanLine(y));
    }
}

// From this many pixels on (the chest's shrink at start-up), the upper half of the result is
// filtered on a second thread while this one does the lower half; each row depends only on
// the source, so the result is the same.
constexpr long kPixelsForTwoThreads = 1 << 16;

}  // namespace

PixelBuffer LanczosResize(const PixelBuffer& source, int newWidth, int newHeight) {
    if (source.empty() || newWidth <= 0 || newHeight <= 0) return {};
    const LanczosTaps horizontal(source.width(), newWidth);
    const LanczosTaps vertical(source.height(), newHeight);
    PixelBuffer result(newWidth, newHeight);
    const int half = static_cast<long>(newWidth) * newHeight >= kPixelsForTwoThreads ? newHeight / 2 : 0;
    std::thread upper;
    struct Joined {
        std::thread& thread;
        ~Joined() {
            if (thread.joinable()) thread.join();
        }
    } joined{upper};
    try {
        if (half > 0) upper = std::thread(FilterRows, std::cref(source), std::cref(horizontal), std::cref(vertical),
                                          std::ref(result), 0, half);
    } catch (const std::system_error&) {
        // No thread to spare: this one does all of it.
    }
    FilterRows(source, horizontal, vertical, result, upper.joinable() ? half : 0, newHeight);
    if (upper.joinable()) upper.join();  // before the result moves out
    return result;
}
