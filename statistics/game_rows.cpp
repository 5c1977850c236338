// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/game_rows.h"

GameValues ValuesOf(const GameRecord& g) {
    return {g.special,      g.pictures[0], g.pictures[1], g.pictures[2], g.startLevel[0],
            g.topLevel[0],  g.startLevel[1], g.topLevel[1], g.stepCents, g.wonCents,
            g.specialWon,   g.risk[0],     g.risk[1],     g.risk[2]};
}

GameRecord GameOf(const GameValues& v) {
    auto i = [&](std::size_t n) { return static_cast<int>(v[n]); };
    GameRecord g;
    g.special = v[0] != 0;
    g.pictures = {i(1), i(2), i(3)};
    g.startLevel = {i(4), i(6)};
    g.topLevel = {i(5), i(7)};
    g.stepCents = v[8];
    g.wonCents = v[9];
    g.specialWon = v[10];
    g.risk = {i(11), i(12), i(13)};
    return g;
}

std::string GameColumnList(const std::string& each) {
    std::string list;
    for (const char* column : kGameColumns) {
        if (!list.empty()) list += ", ";
        list += each.empty() ? std::string(column) : each;
    }
    return list;
}
