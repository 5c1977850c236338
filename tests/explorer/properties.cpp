// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/explorer/properties.h"

namespace explorer {

namespace {

const char* Side(Ladder ladder) { return ladder == Ladder::Left ? "links" : "rechts"; }

std::string StepText(Ladder ladder, int step) {
    return std::string(StepAmountText(ladder, step)) + " (" + Side(ladder) + ", Stufe " + std::to_string(step) + ")";
}

}  // namespace

void Properties::Find(const std::string& what) { findings_.push_back(what); }

void Properties::GameStarted(bool) {
    if (games_ && !evaluated_) Find("ein Spiel beginnt, bevor das letzte ausgewertet ist");
    if (owed_ && !owed_->caught) Find("ein Spiel beginnt, bevor der Walzengewinn " + StepText(owed_->ladder, owed_->step) +
                                      " gutgeschrieben ist");
    games_ = true;
    evaluated_ = false;
}

void Properties::Evaluated(const BildAufWalzeTable& table) {
    evaluated_ = true;
    const std::optional<Combination> win = FindCombination(table);
    if (!win) return;
    if (owed_) Find("neuer Gewinn, während " + StepText(owed_->ladder, owed_->step) + " noch offen ist");
    owed_ = Owed{win->ladder, win->step, false};
    ladder_ = win->ladder;
    level_[static_cast<int>(win->ladder)] = win->step;
}

void Properties::StepCaught(Ladder ladder, int step) {
    if (owed_) Find("Stufe " + StepText(ladder, step) + " gefangen, während " + StepText(owed_->ladder, owed_->step) +
                    " noch offen ist");
    if (ladder_ != ladder) Find("Stufe " + StepText(ladder, step) + " gefangen, ohne dass diese Leiter läuft");
    int& level = level_[static_cast<std::size_t>(ladder)];
    if (step != level + 1)
        Find("Stufe " + StepText(ladder, step) + " gefangen über Stufe " + std::to_string(level) + " statt direkt darüber");
    level = step;
    owed_ = Owed{ladder, step, true};
}

void Properties::Credited(bool money, const EuroDecimal& amount) {
    const std::string what = (money ? amount.ToFixed(2) + " Euro" : amount.ToFixed(0) + " Sonderspiele");
    if (!owed_) {
        Find("Gutschrift von " + what + " ohne Gewinn oder gefangene Stufe");
        return;
    }
    const Owed o = *owed_;
    owed_.reset();
    const EuroDecimal expected = EuroDecimal::Parse(StepAmountText(o.ladder, o.step));
    if (money != IsMoneyStep(o.step) || amount != expected)
        Find("Gutschrift von " + what + " für " + StepText(o.ladder, o.step));
}

void Properties::MoneyCredited(const EuroDecimal& step, const EuroDecimal& credited, RiskOutcome outcome) {
    Credited(true, step);
    const EuroDecimal expected = outcome == RiskOutcome::Nothing  ? EuroDecimal()
                                 : outcome == RiskOutcome::Double ? step + step
                                                                  : step;
    if (credited != expected) Find("Risikospiel: " + credited.ToFixed(2) + " Euro gutgeschrieben für " + step.ToFixed(2));
}

void Properties::SpecialGamesCredited(const EuroDecimal& count) { Credited(false, count); }

void Properties::LadderState(bool running) {
    if (running) return;
    if (owed_)
        Find("die Leiter endet, ohne " + std::string(owed_->caught ? "die gefangene Stufe " : "den Walzengewinn ") +
             StepText(owed_->ladder, owed_->step) + " gutzuschreiben");
    owed_.reset();
    ladder_.reset();
    level_ = {};
}

}  // namespace explorer
