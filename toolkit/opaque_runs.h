// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stretches of each row of a picture that are not its transparent colour. A picture
// drawn transparently again and again copies these stretches whole instead of testing
// every pixel every time.
#include <cstddef>
#include <vector>

#include "codecs/pixel_buffer.h"
#include "toolkit/types.h"

class OpaqueRuns {
public:
    OpaqueRuns(const PixelBuffer& picture, Bgr key);
    // Draws the picture the runs were taken from with its top-left corner at (x, y),
    // clipped like Blit: the pixels BlitKeyed draws with the same key.
    void Draw(PixelBuffer& dst, int x, int y, const PixelBuffer& picture, const TRect& clip) const;

private:
    struct Run {
        int begin, end;  // columns, end excluded
    };
    std::vector<Run> runs_;
    std::vector<std::size_t> rowStart_;  // each row's first run, and the end of the last row
};
