// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/damage.h"

void DamageRegion::Add(const TRect& r) {
    if (r.Empty()) return;
    TRect merged = r;
    // Overlapping rectangles become one; the result may overlap others, so look again.
    for (bool again = true; again;) {
        again = false;
        for (std::size_t i = 0; i < rects_.size(); ++i) {
            if (rects_[i].Intersect(merged).Empty()) continue;
            merged = merged.Union(rects_[i]);
            rects_.erase(rects_.begin() + static_cast<std::ptrdiff_t>(i));
            again = true;
            break;
        }
    }
    rects_.push_back(merged);
    while (rects_.size() > kMaxRects) MergeCheapestPair();
}

namespace {
long long Area(const TRect& r) { return static_cast<long long>(r.Width()) * r.Height(); }
}  // namespace

// Too many rectangles: the two whose joint bounds add the least area become one.
void DamageRegion::MergeCheapestPair() {
    std::size_t best_i = 0, best_j = 1;
    long long bestCost = -1;
    for (std::size_t i = 0; i < rects_.size(); ++i)
        for (std::size_t j = i + 1; j < rects_.size(); ++j) {
            const long long cost = Area(rects_[i].Union(rects_[j])) - Area(rects_[i]) - Area(rects_[j]);
            if (bestCost < 0 || cost < bestCost) {
                bestCost = cost;
                best_i = i;
                best_j = j;
            }
        }
    const TRect merged = rects_[best_i].Union(rects_[best_j]);
    rects_.erase(rects_.begin() + static_cast<std::ptrdiff_t>(best_j));
    rects_.erase(rects_.begin() + static_cast<std::ptrdiff_t>(best_i));
    Add(merged);
}

TRect DamageRegion::Bounds() const {
    TRect all;
    for (const TRect& r : rects_) all = all.Union(r);
    return all;
}
