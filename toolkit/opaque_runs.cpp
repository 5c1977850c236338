// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/opaque_runs.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsKey(const std::uint8_t* p, Bgr key) { return p[0] == key.b && p[1] == key.g && p[2] == key.r; }

}  // namespace

OpaqueRuns::OpaqueRuns(const PixelBuffer& picture, Bgr key) {
    const int width = picture.width();
    rowStart_.reserve(static_cast<std::size_t>(picture.height()) + 1);
    for (int y = 0; y < picture.height(); ++y) {
        rowStart_.push_back(runs_.size());
        const std::uint8_t* row = picture.scanLine(y);
        for (int x = 0; x < width;) {
            while (x < width && IsKey(row + 3 * x, key)) ++x;
            const int begin = x;
            while (x < width && !IsKey(row + 3 * x, key)) ++x;
            if (x > begin) runs_.push_back({begin, x});
        }
    }
    rowStart_.push_back(runs_.size());
}

void OpaqueRuns::Draw(PixelBuffer& dst, int x, int y, const PixelBuffer& picture, const TRect& clip) const {
    const TRect c =
        Bounds(x, y, picture.width(), picture.height()).Intersect(clip).Intersect({0, 0, dst.width(), dst.height()});
    if (c.Empty()) return;
    for (int row = c.Top; row < c.Bottom; ++row) {
        const std::size_t sourceRow = static_cast<std::size_t>(row - y);
        const std::uint8_t* s = picture.scanLine(row - y);
        std::uint8_t* d = dst.scanLine(row);
        for (std::size_t i = rowStart_[sourceRow]; i < rowStart_[sourceRow + 1]; ++i) {
            const int from = std::max(runs_[i].begin + x, c.Left);
            const int to = std::min(runs_[i].end + x, c.Right);
            if (from < to) std::memcpy(d + from * 3, s + (from - x) * 3, static_cast<std::size_t>(to - from) * 3);
        }
    }
}
