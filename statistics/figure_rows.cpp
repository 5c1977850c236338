// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/figure_rows.h"

#include "statistics/exact_odds.h"
#include "statistics/money_text.h"

namespace {

std::string Share(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? "–" : Fraction(part, whole).PercentText(2);
}

std::string Count(std::int64_t n) { return std::to_string(n); }

std::vector<FigureRow> Rows() {
    const ExactOdds& o = Odds();
    return {
        {"Spiele", [](const PlayFigures& f) { return Count(f.Games()); }, ""},
        {"davon Sonderspiele", [](const PlayFigures& f) { return Count(f.specialGames); }, ""},
        {"Einsatz (Euro)", [](const PlayFigures& f) { return EuroText(f.stakedCents); }, ""},
        {"Geldgewinne der Leitern", [](const PlayFigures& f) { return EuroText(f.stepCents); }, ""},
        {"Risikospiel: Ergebnis", [](const PlayFigures& f) { return SignedEuroText(f.RiskCents()); }, ""},
        {"Risikospiel: 2× / 1× / 0×",
         [](const PlayFigures& f) { return Count(f.risk[2]) + " / " + Count(f.risk[1]) + " / " + Count(f.risk[0]); },
         ""},
        {"Sonderspiele gewonnen", [](const PlayFigures& f) { return Count(f.specialWon); }, ""},
        {"Einzahlungen (Euro)", [](const PlayFigures& f) { return EuroText(f.depositCents); }, ""},
        {"Auszahlungen (Euro)", [](const PlayFigures& f) { return EuroText(f.payoutCents); }, ""},
        {"Ergebnis (Euro)", [](const PlayFigures& f) { return SignedEuroText(f.ResultCents()); }, ""},
        {"Auszahlungsquote", MeasuredReturn,
         (o.returnLettingRun * Fraction(100)).DecimalText(2) + " bis " + o.returnCatchingAll.PercentText(2)},
        {"Spiele mit Gewinn", WinningShare, o.anyWin.PercentText(2)},
        {"Längste Serie ohne Gewinn", [](const PlayFigures& f) { return Count(f.longestLosingRun); }, ""},
    };
}

}  // namespace

const std::vector<FigureRow>& FigureRows() {
    static const std::vector<FigureRow> rows = Rows();
    return rows;
}

std::string MeasuredReturn(const PlayFigures& f) { return Share(f.ReturnedCents(), f.PlayedCents()); }

std::string WinningShare(const PlayFigures& f) { return Share(f.winningGames, f.Games()); }

std::string LevelCount(const PlayFigures& f, int slot) {
    const auto i = static_cast<std::size_t>(slot);
    return Count(f.started[i]) + " (" + Count(f.reached[i]) + ")";
}
