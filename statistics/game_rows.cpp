// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/game_rows.h"

GameValues ValuesOf(const GameRecord& g) {
    return {g.special,      g.pictures[0],   g.pictures[1], g.pictures[2], g.startLevel[0],
            g.topLevel[0],  g.startLevel[1], g.topLevel[1], g.stepCents,   g.wonCents,
            g.specialWon,   g.risk[0],       g.risk[1],     g.risk[2],     g.creditBeforeCents,
            g.creditAfterCents};
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
    g.creditBeforeCents = v[14];
    g.creditAfterCents = v[15];
    return g;
}

std::size_t GameColumnsAt(int version) {
    std::size_t n = 0;
    while (n < kGameColumns.size() && kGameColumns[n].version <= version) ++n;
    return n;
}

std::string GameColumnList(int version, const std::string& each) {
    std::string list;
    for (std::size_t n = 0; n < GameColumnsAt(version); ++n) {
        if (!list.empty()) list += ", ";
        list += each.empty() ? std::string(kGameColumns[n].name) : each;
    }
    return list;
}
