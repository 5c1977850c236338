// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the help document computes from the game's tables, in the words the statistics window
// uses: the exact return per euro staked, the chance of the top win, of every level and of
// any win. Counted once, when first asked for.
#include <string>

#include "game/combination_table.h"
#include "helpdoc/fraction.h"

struct ExactOdds {
    Fraction returnLettingRun, returnCatchingAll;  // per euro staked
    Fraction anyWin;
    Ladder topLadder;
    int topStep;
    Fraction topChance;
};
const ExactOdds& Odds();

// "1/753 = 0,1329 %"
std::string ChanceText(const Fraction& chance);
// The two lines that always stand in the window.
std::string ReturnLine();
std::string TopWinLine();
