// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Lanczos-3 resampled copy of a bitmap (24-bit, exactly width × height pixels).
#include "toolkit/graphics.h"

TBitmap Resampled(const TBitmap& source, int width, int height);
