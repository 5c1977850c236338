// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/player_return.h"

#include "helpdoc/win_plan.h"
#include "machine/game_rules.h"

namespace {

// What the risk game left to run out makes of an amount on average, over all its draws.
Fraction RiskFactor() {
    Fraction sum(0);
    for (int draw = 0; draw < kRiskDraws; ++draw) sum += Fraction(RiskFactorOfDraw(draw), kRiskDraws);
    return sum;
}

// A ladder left alone catches its lit step itself in its own-catch phase with this chance.
const Fraction kOwnCatch(1, kOwnCatchChance);

}  // namespace

Fraction Stake() { return Fraction::FromDecimalText(kStakeText); }

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
