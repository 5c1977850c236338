// SPDX-License-Identifier: GPL-3.0-or-later
// What a window paints again: every change is covered, and distant changes stay apart.
#include <gtest/gtest.h>

#include "toolkit/damage.h"

namespace {

bool Covered(const DamageRegion& d, const TRect& r) {
    for (const TRect& k : d.Rects())
        if (k.Intersect(r) == r) return true;
    return false;
}

long long Area(const DamageRegion& d) {
    long long a = 0;
    for (const TRect& r : d.Rects()) a += static_cast<long long>(r.Width()) * r.Height();
    return a;
}

TEST(Damage, TwoLaddersOfStepsStayTwoColumns) {
    DamageRegion d;
    std::vector<TRect> steps;
    for (int i = 0; i < 6; ++i) {
        steps.push_back(Bounds(40, 130 + 60 * i, 90, 56));
        steps.push_back(Bounds(690, 130 + 60 * i, 90, 56));
    }
    for (const TRect& r : steps) d.Add(r);
    for (const TRect& r : steps) EXPECT_TRUE(Covered(d, r));
    EXPECT_LE(d.Rects().size(), 8u);
    // Two columns of 90 x 356 at most; the union of both would be 740 x 356.
    EXPECT_LE(Area(d), 2LL * 90 * 356);
    EXPECT_EQ(d.Bounds(), (TRect{40, 130, 780, 486}));
}

TEST(Damage, OverlapsJoinAndEmptyIsIgnored) {
    DamageRegion d;
    d.Add({});
    EXPECT_TRUE(d.Empty());
    d.Add({0, 0, 10, 10});
    d.Add({20, 0, 30, 10});
    d.Add({5, 5, 25, 8});  // overlaps both: all three become one
    ASSERT_EQ(d.Rects().size(), 1u);
    EXPECT_EQ(d.Rects()[0], (TRect{0, 0, 30, 10}));
}

}  // namespace
