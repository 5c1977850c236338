// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two charts of the statistics window, drawn by the program onto a bitmap: the net
// result after each game of the play session, and the net result of each of the last days.
#include <cstdint>
#include <vector>

#include "statistics/play_history.h"
#include "toolkit/graphics.h"

inline constexpr TColor kGainColor = RGB(0, 128, 0);
inline constexpr TColor kLossColor = RGB(200, 0, 0);
inline constexpr TColor kRunningNetColor = RGB(0, 0, 160);

// A line through the running net result; many games share a pixel column as its lowest and
// highest value.
void DrawRunningNet(TBitmap& target, const std::vector<std::int64_t>& net);
// A bar for each of the `count` days up to `today`, above the zero line for a gain.
void DrawDailyNet(TBitmap& target, const std::vector<DayNet>& days, std::int64_t today, int count);
