// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Lanczos-3 weights for resampling one axis from oldSize to newSize pixels.
//
// The kernel is sinc(x)·sinc(x/3) for |x| < 3 and 0 beyond, with sinc(x) =
// sin(πx)/(πx). The scale (newSize − 1) / (oldSize − 1) maps the first and last
// source pixel onto the first and last result pixel; when it is below 1 the kernel
// is widened by its inverse. Taps outside the source are left out and each pixel's
// weights are divided by their sum, so a flat row stays flat.
//
// The scale is undefined for a single pixel. A source of one pixel is repeated; a
// result of one pixel is centred on the source and averages it with the kernel
// widened by the whole source size.
#include <vector>

class LanczosTaps {
public:
    LanczosTaps(int oldSize, int newSize);

    int size() const { return static_cast<int>(first_.size()); }
    // Index of the first source pixel of result pixel i, and its number of taps.
    int first(int i) const { return first_[i]; }
    int count(int i) const { return count_[i]; }
    // The count(i) weights of result pixel i, in source order.
    const float* weights(int i) const { return weights_.data() + offset_[i]; }

    // The kernel itself, for x in kernel units.
    static double Kernel(double x);

private:
    void AddPixel(double centre, double filterScale, int oldSize);

    std::vector<int> first_, count_, offset_;
    std::vector<float> weights_;
};
