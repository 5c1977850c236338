// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The games table's columns, in one order, and a game record as their values.
#include <array>
#include <cstdint>
#include <string>

#include "statistics/play_figures.h"

inline constexpr std::array<const char*, 14> kGameColumns = {
    "special",    "left_picture", "middle_picture", "right_picture", "left_start",   "left_top",    "right_start",
    "right_top",  "step_cents",   "won_cents",      "special_won",   "risk_nothing", "risk_single", "risk_double",
};
using GameValues = std::array<std::int64_t, kGameColumns.size()>;

GameValues ValuesOf(const GameRecord& game);
GameRecord GameOf(const GameValues& values);

// "special, left_picture, ...", with a prefix before each name when given ("?" gives "?, ?").
std::string GameColumnList(const std::string& each = "");
