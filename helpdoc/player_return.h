// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the machine gives back per game, exactly, for two players who never press the
// risk stop: one who leaves the ladders alone, and one who catches every lit step and never
// stops on 00. A special game counts as the stake it saves.
#include <string_view>

#include "game/combination_table.h"
#include "helpdoc/fraction.h"

enum class Player {
    LetsLaddersRun,    // the ladder's own catch in its 17th 00 phase, then its end, decide
    CatchesEveryStep,  // climbs from the won level to the top
};

inline constexpr Player kBothPlayers[] = {Player::LetsLaddersRun, Player::CatchesEveryStep};

// The stake of one game (kStakeText).
Fraction Stake();

// What one credit of a step is worth on average, in euros: money through the risk game (double,
// single or nothing, a third each), special games at the stake each.
Fraction StepWorth(Ladder ladder, int step);

// What a ladder started at a level credits on average, that level included.
Fraction LadderWorth(Player player, Ladder ladder, int level);

// The average win of one game, in euros, and as a share of its stake.
Fraction WinPerGame(Player player);
Fraction ReturnToPlayer(Player player);
