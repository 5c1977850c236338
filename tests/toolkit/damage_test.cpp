// SPDX-License-Identifier: GPL-3.0-or-later
// What a window paints again: every change is covered, and distant changes stay apart.
#include <gtest/gtest.h>

#include "toolkit/changed_part.h"
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

// A present sends only the part that differs from what the window shows.
TEST(Damage, ThePresentedPartShrinksToThePixelsThatChanged) {
    PixelBuffer shown(40, 30, {10, 20, 30});
    PixelBuffer now = shown;
    const TRect whole{0, 0, 40, 30};
    EXPECT_TRUE(ChangedPart(shown, now, whole).Empty());
    now.scanLine(12)[7 * 3 + 1] = 99;  // one channel of one pixel
    EXPECT_EQ(ChangedPart(shown, now, whole), (TRect{7, 12, 8, 13}));
    now.scanLine(3)[30 * 3] = 1;
    now.scanLine(20)[2 * 3 + 2] = 1;
    EXPECT_EQ(ChangedPart(shown, now, whole), (TRect{2, 3, 31, 21}));
    // Changes outside the rectangle asked about are not its business; it is clipped to the frame.
    EXPECT_EQ(ChangedPart(shown, now, {0, 0, 10, 10}), (TRect{}));
    EXPECT_EQ(ChangedPart(shown, now, {25, -5, 60, 8}), (TRect{30, 3, 31, 4}));
    now.scanLine(29)[39 * 3] = 1;  // the last pixel
    EXPECT_EQ(ChangedPart(shown, now, {20, 20, 40, 30}), (TRect{39, 29, 40, 30}));
}

}  // namespace
