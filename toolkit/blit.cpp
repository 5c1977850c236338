// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/blit.h"

#include <cstring>

Bgr ToBgr(TColor c) { return {BlueOf(c), GreenOf(c), RedOf(c)}; }
TColor ToColor(Bgr c) { return RGB(c.r, c.g, c.b); }

namespace {
TRect Whole(const PixelBuffer& b) { return {0, 0, b.width(), b.height()}; }
}

void FillRect(PixelBuffer& dst, const TRect& r, TColor colour) {
    TRect c = r.Intersect(Whole(dst));
    if (c.Empty()) return;
    Bgr v = ToBgr(colour);
    for (int y = c.Top; y < c.Bottom; ++y) {
        std::uint8_t* p = dst.scanLine(y) + c.Left * 3;
        for (int x = c.Left; x < c.Right; ++x, p += 3) {
            p[0] = v.b; p[1] = v.g; p[2] = v.r;
        }
    }
}

void Blit(PixelBuffer& dst, int x, int y, const PixelBuffer& src, const TRect& clip) {
    TRect c = Bounds(x, y, src.width(), src.height()).Intersect(clip).Intersect(Whole(dst));
    if (c.Empty()) return;
    const std::size_t bytes = static_cast<std::size_t>(c.Width()) * 3;
    for (int row = c.Top; row < c.Bottom; ++row)
        std::memcpy(dst.scanLine(row) + c.Left * 3, src.scanLine(row - y) + (c.Left - x) * 3, bytes);
}

void BlitKeyed(PixelBuffer& dst, int x, int y, const PixelBuffer& src, Bgr key, const TRect& clip) {
    TRect c = Bounds(x, y, src.width(), src.height()).Intersect(clip).Intersect(Whole(dst));
    if (c.Empty()) return;
    for (int row = c.Top; row < c.Bottom; ++row) {
        std::uint8_t* d = dst.scanLine(row) + c.Left * 3;
        const std::uint8_t* s = src.scanLine(row - y) + (c.Left - x) * 3;
        for (int i = c.Width(); i > 0; --i, d += 3, s += 3) {
            if (s[0] == key.b && s[1] == key.g && s[2] == key.r) continue;
            d[0] = s[0]; d[1] = s[1]; d[2] = s[2];
        }
    }
}

PixelBuffer StretchNearest(const PixelBuffer& src, int width, int height) {
    PixelBuffer out(width, height);
    if (src.empty() || out.empty()) return out;
    std::vector<int> xs(width);
    for (int x = 0; x < width; ++x)
        xs[x] = static_cast<int>((static_cast<long long>(x) * 2 + 1) * src.width() / (2LL * width)) * 3;
    for (int y = 0; y < height; ++y) {
        int sy = static_cast<int>((static_cast<long long>(y) * 2 + 1) * src.height() / (2LL * height));
        const std::uint8_t* s = src.scanLine(sy);
        std::uint8_t* d = out.scanLine(y);
        for (int x = 0; x < width; ++x, d += 3) {
            const std::uint8_t* p = s + xs[x];
            d[0] = p[0]; d[1] = p[1]; d[2] = p[2];
        }
    }
    return out;
}

void Frame3D(PixelBuffer& dst, const TRect& r, TColor light, TColor dark, const TRect& clip) {
    FillRect(dst, TRect{r.Left, r.Top, r.Right, r.Top + 1}.Intersect(clip), light);
    FillRect(dst, TRect{r.Left, r.Top, r.Left + 1, r.Bottom}.Intersect(clip), light);
    FillRect(dst, TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}.Intersect(clip), dark);
    FillRect(dst, TRect{r.Right - 1, r.Top, r.Right, r.Bottom}.Intersect(clip), dark);
}

void FocusRect(PixelBuffer& dst, const TRect& r, const TRect& clip) {
    TRect c = clip.Intersect(Whole(dst));
    auto dot = [&](int x, int y) {
        if (c.Contains(x, y) && ((x + y) & 1)) dst.setPixel(x, y, Bgr{0, 0, 0});
    };
    for (int x = r.Left; x < r.Right; ++x) { dot(x, r.Top); dot(x, r.Bottom - 1); }
    for (int y = r.Top; y < r.Bottom; ++y) { dot(r.Left, y); dot(r.Right - 1, y); }
}
