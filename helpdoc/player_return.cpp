// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/player_return.h"

#include "helpdoc/win_plan.h"

namespace {

// The risk game left to run out shows 2x, 1x or 0x, each with a third.
Fraction RiskFactor() {
    const Fraction third(1, 3);
    return third * Fraction(2) + third * Fraction(1) + third * Fraction(0);
}

// A ladder left alone catches its lit step itself in its 17th 00 phase with a sixth.
const Fraction kOwnCatch(1, 6);

}  // namespace

Fraction Stake() { return Fraction::FromDecimalText("0,20"); }

Fraction StepWorth(Ladder ladder, int step) {
    const Fraction amount = Fraction::FromDecimalText(StepAmountText(ladder, step));
    return IsMoneyStep(step) ? amount * RiskFactor() : amount * Stake();
}

Fraction LadderWorth(Player player, Ladder ladder, int level) {
    const Fraction here = StepWorth(ladder, level);
    if (level == kTopStep) return here;
    const Fraction climb = player == Player::CatchesEveryStep ? Fraction(1) : kOwnCatch;
    return here + climb * LadderWorth(player, ladder, level + 1);
}

Fraction WinPerGame(Player player) {
    Fraction sum(0);
    for (const PlanLevel& level : WinPlan()) sum += level.chance * LadderWorth(player, level.ladder, level.step);
    return sum;
}

Fraction ReturnToPlayer(Player player) { return WinPerGame(player) / Stake(); }
