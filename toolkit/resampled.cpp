// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/resampled.h"

#include "codecs/lanczos.h"

TBitmap Resampled(const TBitmap& source, int width, int height) {
    TBitmap out;
    out.Assign(LanczosResize(source.Pixels(), width, height));
    return out;
}
