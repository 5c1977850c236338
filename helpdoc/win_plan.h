// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The win plan: every winning line of three pictures with its exact chance per game, grouped by
// the ladder level it starts, all counted over the reel strips with the game's own evaluation.
#include <vector>

#include "game/combination_table.h"
#include "helpdoc/fraction.h"

struct PlanLine {
    int rule;
    PictureLine pictures;
    Fraction chance;
};

struct PlanLevel {
    Ladder ladder;
    int step;
    Fraction chance;  // of all its lines together
    std::vector<PlanLine> lines;
};

// The levels a spin can start, left ladder first, each ladder from its lowest step up.
const std::vector<PlanLevel>& WinPlan();

// The chance that a spin starts a level; 0 for the top steps, reached only by climbing.
Fraction LevelChance(Ladder ladder, int step);

// The chance that a spin wins anything.
Fraction AnyWinChance();

// On how many of its positions a reel shows the picture.
int StripCount(Reel reel, Walzenbild picture);
