// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/lanczos_taps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRadius = 3.0;

double Sinc(double x) {
    if (x == 0.0) return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

}  // namespace

double LanczosTaps::Kernel(double x) {
    return std::abs(x) < kRadius ? Sinc(x) * Sinc(x / kRadius) : 0.0;
}

LanczosTaps::LanczosTaps(int oldSize, int newSize) {
    if (oldSize <= 0 || newSize <= 0) return;
    for (int i = 0; i < newSize; ++i) {
        if (oldSize == 1) {
            AddPixel(0.0, 1.0, oldSize);
        } else if (newSize == 1) {
            AddPixel((oldSize - 1) / 2.0, 1.0 / oldSize, oldSize);
        } else {
            const double scale = static_cast<double>(newSize - 1) / (oldSize - 1);
            AddPixel(i / scale, std::min(scale, 1.0), oldSize);
        }
    }
}

void LanczosTaps::AddPixel(double centre, double filterScale, int oldSize) {
    const double reach = kRadius / filterScale;
    const int lo = std::max(0, static_cast<int>(std::ceil(centre - reach)));
    const int hi = std::min(oldSize - 1, static_cast<int>(std::floor(centre + reach)));
    std::vector<double> w;
    double sum = 0.0;
    for (int s = lo; s <= hi; ++s) {
        w.push_back(Kernel((s - centre) * filterScale));
        sum += w.back();
    }
    // Weights that vanish at either end (the kernel's zeros, at whole-pixel
    // distances when the scale is 1) would only cost time.
    const auto vanishes = [](double v) { return std::abs(v) < 1e-9; };
    int skip = 0;
    while (skip + 1 < static_cast<int>(w.size()) && vanishes(w[skip])) ++skip;
    while (w.size() > static_cast<std::size_t>(skip + 1) && vanishes(w.back())) w.pop_back();
    first_.push_back(lo + skip);
    count_.push_back(static_cast<int>(w.size()) - skip);
    offset_.push_back(static_cast<int>(weights_.size()));
    for (std::size_t k = skip; k < w.size(); ++k) weights_.push_back(static_cast<float>(w[k] / sum));
}
