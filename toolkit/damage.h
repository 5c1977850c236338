// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of a window that must be painted again: a few separate rectangles, so that
// two small changes far apart do not repaint everything between them.
#include <vector>

#include "toolkit/types.h"

class DamageRegion {
public:
    void Add(const TRect& r);
    bool Empty() const { return rects_.empty(); }
    const std::vector<TRect>& Rects() const { return rects_; }
    TRect Bounds() const;
    void Clear() { rects_.clear(); }

private:
    void MergeCheapestPair();
    static constexpr std::size_t kMaxRects = 8;
    std::vector<TRect> rects_;
};
