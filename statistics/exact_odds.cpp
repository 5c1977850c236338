// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/exact_odds.h"

#include "helpdoc/help_names.h"
#include "helpdoc/player_return.h"
#include "helpdoc/win_plan.h"

namespace {

ExactOdds Count() {
    ExactOdds odds{ReturnToPlayer(Player::LetsLaddersRun), ReturnToPlayer(Player::CatchesEveryStep), AnyWinChance(),
                   Ladder::Left, 0, Fraction(0)};
    // The top win of the reels: the level worth most that a spin can start.
    for (const PlanLevel& level : WinPlan()) {
        if (odds.topStep != 0 && !(StepWorth(odds.topLadder, odds.topStep) < StepWorth(level.ladder, level.step)))
            continue;
        odds.topLadder = level.ladder;
        odds.topStep = level.step;
        odds.topChance = level.chance;
    }
    return odds;
}

std::string EuroPerEuro(const Fraction& quote) { return quote.DecimalText(2) + " Euro"; }

}  // namespace

const ExactOdds& Odds() {
    static const ExactOdds odds = Count();
    return odds;
}

std::string ChanceText(const Fraction& chance) {
    if (chance == Fraction(0)) return "–";
    return chance.Text() + " = " + chance.PercentText(chance < Fraction(1, 100) ? 4 : 2);
}

std::string ReturnLine() {
    const ExactOdds& o = Odds();
    return "Auszahlungsquote, errechnet: Von 1 Euro Einsatz kommen im Mittel " + EuroPerEuro(o.returnLettingRun) +
           " (" + o.returnLettingRun.PercentText(2) + ") zurück, wenn die Leitern laufen; höchstens " +
           EuroPerEuro(o.returnCatchingAll) + " (" + o.returnCatchingAll.PercentText(2) +
           "), wenn jede Stufe gefangen wird.";
}

std::string TopWinLine() {
    const ExactOdds& o = Odds();
    return "Höchster Gewinn der Walzen: " + LevelText(o.topLadder, o.topStep) + " (" +
           std::string(PartsOfLadder(o.topLadder).name) + "), Chance je Spiel " + ChanceText(o.topChance) + ", etwa jedes " +
           (Fraction(1) / o.topChance).DecimalText(0) + ". Spiel.";
}
