// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/changed_part.h"

#include <algorithm>
#include <cstring>

namespace {

const std::uint8_t* At(const PixelBuffer& b, int x, int y) { return b.scanLine(y) + x * 3; }

bool RowDiffers(const PixelBuffer& a, const PixelBuffer& b, int y, int left, int right) {
    return std::memcmp(At(a, left, y), At(b, left, y), static_cast<std::size_t>(right - left) * 3) != 0;
}

bool ColumnDiffers(const PixelBuffer& a, const PixelBuffer& b, int x, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        if (std::memcmp(At(a, x, y), At(b, x, y), 3) != 0) return true;
    return false;
}

}  // namespace

TRect ChangedPart(const PixelBuffer& shown, const PixelBuffer& now, const TRect& rect) {
    TRect r = rect.Intersect({0, 0, std::min(shown.width(), now.width()), std::min(shown.height(), now.height())});
    while (!r.Empty() && !RowDiffers(shown, now, r.Top, r.Left, r.Right)) ++r.Top;
    if (r.Empty()) return {};
    while (!RowDiffers(shown, now, r.Bottom - 1, r.Left, r.Right)) --r.Bottom;
    while (!ColumnDiffers(shown, now, r.Left, r.Top, r.Bottom)) ++r.Left;
    while (!ColumnDiffers(shown, now, r.Right - 1, r.Top, r.Bottom)) --r.Right;
    return r;
}
