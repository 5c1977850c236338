#include "codecs/lanczos.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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

}  // namespace

PixelBuffer LanczosResize(const PixelBuffer& source, int newWidth, int newHeight) {
    if (source.empty() || newWidth <= 0 || newHeight <= 0) return {};
    const LanczosTaps horizontal(source.width(), newWidth);
    const LanczosTaps vertical(source.height(), newHeight);
    // One spare float at the end: the horizontal pass loads four at a time.
    std::vector<float> row(static_cast<std::size_t>(source.stride()) + 1, 0.0f);
    PixelBuffer result(newWidth, newHeight);
    for (int y = 0; y < newHeight; ++y) {
        FilterVertically(source, vertical, y, row);
        FilterHorizontally(row.data(), horizontal, result.scanLine(y));
    }
    return result;
}
