// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/ladder_parts.h"

#include "machine/form1.h"

namespace {

constexpr LadderParts kLeftLadder = {"Linke Leiter", "links", "left", &TForm1::StopBtn1, &GameState::LeiterLinksAktiv};
constexpr LadderParts kRightLadder = {"Rechte Leiter", "rechts", "right", &TForm1::StopBtn2,
                                      &GameState::LeiterRechtsAktiv};

}  // namespace

const LadderParts& PartsOfLadder(Ladder ladder) { return ladder == Ladder::Left ? kLeftLadder : kRightLadder; }
