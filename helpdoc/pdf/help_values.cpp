// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/pdf/help_values.h"

#include "game/reel_positions.h"
#include "helpdoc/player_return.h"
#include "helpdoc/win_plan.h"

namespace {

std::string Euro(const Fraction& amount, int places) { return amount.DecimalText(places) + " Euro"; }

void AddPlayer(std::map<std::string, std::string>& v, const std::string& suffix, Player player) {
    const Fraction win = WinPerGame(player), quote = ReturnToPlayer(player);
    v["gewinn_" + suffix] = Euro(win, 4);
    v["gewinn_" + suffix + "_bruch"] = win.Text();
    v["quote_" + suffix] = quote.Text();
    v["quote_" + suffix + "_prozent"] = quote.PercentText(2);
    v["tausend_" + suffix] = Euro(Fraction(1000) * win, 0);
}

}  // namespace

std::map<std::string, std::string> HelpValues() {
    std::map<std::string, std::string> v;
    const Fraction any = AnyWinChance();
    v["einsatz"] = Euro(Stake(), 2);
    v["tausend_einsatz"] = Euro(Fraction(1000) * Stake(), 0);
    v["gewinnchance"] = any.Text();
    v["gewinnchance_prozent"] = any.PercentText(2);
    v["gewinn_jedes"] = (Fraction(1) / any).DecimalText(0);
    v["felder_aussen"] = std::to_string(PositionCount(Reel::Left));
    v["felder_mitte"] = std::to_string(PositionCount(Reel::Middle));
    v["stellungen"] = std::to_string(PositionCount(Reel::Left) * PositionCount(Reel::Middle) * PositionCount(Reel::Right));
    AddPlayer(v, "laufen", Player::LetsLaddersRun);
    AddPlayer(v, "fangen", Player::CatchesEveryStep);
    return v;
}
