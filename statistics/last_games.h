// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list "Letzte Spiele": the last games as the history holds them, one line each, drawn by
// the program onto a bitmap with the reels' pictures small.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "statistics/play_history.h"
#include "toolkit/graphics.h"

inline constexpr int kLastGames = 10;

// The list's columns: where each begins and its heading. The list is `kLastGamesWidth` wide.
struct LastGamesColumn {
    int left;
    const char* heading;
};
inline constexpr int kLastGamesWidth = 744;
inline constexpr std::array<LastGamesColumn, 6> kLastGamesColumns = {{
    {8, "Zeit"},
    {106, "Walzen"},
    {210, "Leiter: Start → erreicht"},
    {372, "Risikospiel"},
    {486, "Sonderspiele"},
    {574, "Guthaben vorher → nachher"},
}};
// The font of the list's lines; its headings are the same in bold.
TFont LastGamesFont();

struct LastGameLine {
    std::string time;     // "09.12. 20:14:03"
    std::array<int, 3> pictures;
    std::string ladders;  // "links 2 → 4", "–"
    std::string risk;     // "2× 1, 0× 1", "–"
    std::string special;  // "gespielt", "+15", "–"
    std::string credit;   // "13,80 → 13,60"
};

LastGameLine LineOf(const GameAt& game);

// The lines under their heading; with no history, `off` in their place. `picture` gives a
// reel picture by its number, or nothing.
void DrawLastGames(TBitmap& target, const std::optional<std::vector<GameAt>>& games, const std::string& off,
                   const std::function<const TBitmap*(int)>& picture);
