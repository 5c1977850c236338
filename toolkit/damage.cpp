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
    if (rects_.size() > kMaxRects) {
        const TRect all = Bounds();
        rects_.assign(1, all);
    }
}

TRect DamageRegion::Bounds() const {
    TRect all;
    for (const TRect& r : rects_) all = all.Union(r);
    return all;
}
