// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spinning reels' blurred strips, kept by the window: each is made once per amount
// and strip content, and the reels show the same few tick after tick.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/graphics.h"

struct ReelBlurState {
    struct Entry {
        std::uint64_t strip;  // the strip bitmap's version it was made from
        int amount;
        TBitmap blurred;
    };
    static constexpr std::size_t kKept = 8;
    std::vector<Entry> Entries;  // the oldest first
};
