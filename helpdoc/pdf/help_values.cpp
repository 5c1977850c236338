// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/pdf/help_values.h"

#include <vector>

#include "game/reel_positions.h"
#include "helpdoc/player_return.h"
#include "helpdoc/win_plan.h"
#include "machine/game_rules.h"
#include "machine/money_pieces.h"

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

// The number words the help writes out, up to twenty: "achtzehn".
std::string NumberWord(int n) {
    static const char* const words[] = {"null",     "eins",     "zwei",     "drei",     "vier",    "fünf",
                                        "sechs",    "sieben",   "acht",     "neun",     "zehn",    "elf",
                                        "zwölf",    "dreizehn", "vierzehn", "fünfzehn", "sechzehn", "siebzehn",
                                        "achtzehn", "neunzehn", "zwanzig"};
    return words[n];
}

// "im siebzehnten Mal": the ordinal's dative, which the irregular ones form from their own stem.
std::string OrdinalWord(int n) {
    switch (n) {
        case 1: return "ersten";
        case 3: return "dritten";
        case 7: return "siebten";
        case 8: return "achten";
        default: return NumberWord(n) + (n < 20 ? "ten" : "sten");
    }
}

// The largest money step of both ladders.
Fraction LargestMoneyStep() {
    Fraction largest(0);
    for (Ladder ladder : kBothLadders)
        for (int step = 1; step <= kTopStep; ++step)
            if (IsMoneyStep(step)) {
                const Fraction amount = Fraction::FromDecimalText(StepAmountText(ladder, step));
                if (largest < amount) largest = amount;
            }
    return largest;
}

// "20 und 10 Cent": the coins a full credit still takes, their unit said once when they share it.
std::string CoinsAboveTheLimit() {
    std::vector<std::string> amounts;
    bool allCents = true;
    for (const MoneyPiece& piece : kMoneyPieces)
        if (!piece.limitChecked) {
            amounts.push_back(SpokenAmount(piece.amount));
            allCents = allCents && CentsOfAmount(piece.amount) < 100;
        }
    std::string text;
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        std::string amount = amounts[i];
        if (allCents && i + 1 < amounts.size()) amount.erase(amount.find(' '));
        text += (i == 0 ? "" : i + 1 == amounts.size() ? " und " : ", ") + amount;
    }
    return text;
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
    v["oberste_links"] = std::string(StepAmountText(Ladder::Left, kTopStep)) + " Sonderspiele";
    v["oberste_rechts"] = std::string(StepAmountText(Ladder::Right, kTopStep)) + " Sonderspiele";
    v["letzte_phase"] = NumberWord(kLastZeroPhase);
    v["fang_phase"] = OrdinalWord(kOwnCatchPhase);
    v["fang_chance"] = std::to_string(kOwnCatchChance);
    v["groesste_geldstufe"] = Euro(LargestMoneyStep(), 2);
    v["groesster_einzelgewinn"] = Euro(Fraction(2) * LargestMoneyStep(), 2);
    v["groesster_schein"] = SpokenAmount(kMoneyPieces.front().amount);
    v["kleinstes_geld"] = SpokenAmount(kSmallestAmount);
    v["muenzen_ueber_limit"] = CoinsAboveTheLimit();
    AddPlayer(v, "laufen", Player::LetsLaddersRun);
    AddPlayer(v, "fangen", Player::CatchesEveryStep);
    return v;
}
