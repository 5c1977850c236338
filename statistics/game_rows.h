// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The games table's columns, in one order, each with the schema version that brought it, and
// a game record as their values.
#include <array>
#include <cstdint>
#include <string>

#include "statistics/history_columns.h"
#include "statistics/play_figures.h"

struct GameColumn {
    const char* name;
    int version;
};

// Newer columns come last: a file of an older version holds the first of them.
inline constexpr std::array<GameColumn, 16> kGameColumns = {{
    {"special", 1},     {"left_picture", 1}, {"middle_picture", 1}, {"right_picture", 1},
    {"left_start", 1},  {"left_top", 1},     {"right_start", 1},    {"right_top", 1},
    {"step_cents", 1},  {"won_cents", 1},    {"special_won", 1},    {"risk_nothing", 1},
    {"risk_single", 1}, {"risk_double", 1},  {"credit_before_cents", 3}, {"credit_after_cents", 3},
}};
using GameValues = std::array<std::int64_t, kGameColumns.size()>;

GameValues ValuesOf(const GameRecord& game);
GameRecord GameOf(const GameValues& values);

// How many of the columns a file of `version` has.
std::size_t GameColumnsAt(int version);
// "special, left_picture, ..." up to `version`, with a prefix before each name when given
// ("?" gives "?, ?").
std::string GameColumnList(int version, const std::string& each = "");
inline std::string GameColumnList(const std::string& each = "") { return GameColumnList(kSchemaVersion, each); }
