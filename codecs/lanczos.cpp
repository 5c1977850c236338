#include "codecs/lanczos.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "codecs/lanczos_taps.h"

namespace {

// Rows of floats: the picture after the vertical pass, before rounding.
struct FloatRows {
    int rowLength = 0;
    std::vector<float> data;
    float* row(int y) { return data.data() + static_cast<std::size_t>(y) * rowLength; }
};

// Vertical pass first: whole rows are combined, which vectorises well, and the
// narrower horizontal pass then works on fewer rows.
FloatRows FilterVertically(const PixelBuffer& source, const LanczosTaps& taps) {
    FloatRows out{source.stride(), {}};
    // One spare float at the end: the horizontal pass loads four at a time.
    out.data.assign(static_cast<std::size_t>(out.rowLength) * taps.size() + 1, 0.0f);
    for (int y = 0; y < taps.size(); ++y) {
        float* acc = out.row(y);
        const float* w = taps.weights(y);
        for (int k = 0; k < taps.count(y); ++k) {
            const std::uint8_t* src = source.scanLine(taps.first(y) + k);
            const float wk = w[k];
            for (int i = 0; i < out.rowLength; ++i) acc[i] += wk * static_cast<float>(src[i]);
        }
    }
    return out;
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
    FloatRows between = FilterVertically(source, vertical);
    PixelBuffer result(newWidth, newHeight);
    for (int y = 0; y < newHeight; ++y) FilterHorizontally(between.row(y), horizontal, result.scanLine(y));
    return result;
}
