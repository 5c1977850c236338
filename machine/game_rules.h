// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own numbers that the play, the help and the statistics all count with: the
// stake, the machine's own catch on an unanswered ladder, and the risk game's draws.
#include <string_view>

// One paid game.
inline constexpr std::string_view kStakeText = "0,20";

// An unanswered ladder: in its 17th 00 phase the machine catches the lit step itself, one time
// in six; after the 18th the ladder ends.
inline constexpr int kOwnCatchPhase = 17, kOwnCatchChance = 6;
inline constexpr int kLastZeroPhase = 18;

// The risk game's marker left standing: one draw below kRiskDraws; the first kRiskLosingDraws
// lose, of the rest the odd ones double and the even ones keep the amount.
inline constexpr int kRiskDraws = 60, kRiskLosingDraws = 20;
// What the draw makes of the amount: 0, 1 or 2 times it.
constexpr int RiskFactorOfDraw(int draw) {
    if (draw < kRiskLosingDraws) return 0;
    return draw % 2 == 1 ? 2 : 1;
}
