// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What belongs to each win ladder besides its fields: its stop button, the flag that it
// runs, and the words the help, the statistics and the play history name it by. Every "the left one or the right one" choice reads this table.
#include <string_view>

#include "machine/ladder_fields.h"

class TBitBtn;
struct GameState;

struct LadderParts {
    std::string_view name;                // "Linke Leiter": the help's and the statistics' name
    std::string_view side;                // "links": before a level in the statistics and the help
    std::string_view column;              // "left": the play history's columns of its levels
    TBitBtn* TForm1::*stopButton;         // StopBtn1
    bool GameState::*active;              // LeiterLinksAktiv: the reels started this ladder
};

const LadderParts& PartsOfLadder(Ladder ladder);

// The index of step 1..6 of a ladder among both ladders' twelve steps, left first: the slot
// of StufeErreicht, StufeLeuchtet and the statistics' level counts.
inline constexpr int kLevelSlots = static_cast<int>(kBothLadders.size()) * kTopStep;
constexpr int LevelSlot(Ladder ladder, int step) { return static_cast<int>(ladder) * kTopStep + step - 1; }
