// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the ladders stated as properties of what the play history hears: every reel
// win is credited once, as the level its combination starts or as the risk game's result,
// before its ladder ends; every further credit is a caught step directly above the level;
// one game is evaluated before the next begins. They read the game's tables, never its code.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/combination_table.h"
#include "machine/play_events.h"

namespace explorer {

class Properties {
public:
    explicit Properties(std::vector<std::string>& findings) : findings_(findings) {}

    void GameStarted(bool special);
    void Evaluated(const BildAufWalzeTable& table);
    void StepCaught(Ladder ladder, int step);
    void MoneyCredited(const EuroDecimal& step, const EuroDecimal& credited, RiskOutcome outcome);
    void SpecialGamesCredited(const EuroDecimal& count);
    // The machine's ladder state now: a ladder that has ended owes nothing.
    void LadderState(bool running);
    // The program has ended by a way out the player chose: what was owed may stay unpaid.
    bool Owing() const { return owed_.has_value(); }

private:
    struct Owed {
        Ladder ladder;
        int step;
        bool caught;  // a caught step, else the reel win
    };
    void Credited(bool money, const EuroDecimal& amount);
    void Find(const std::string& what);

    std::vector<std::string>& findings_;
    std::optional<Owed> owed_;
    std::optional<Ladder> ladder_;  // the ladder of the last win, while it runs
    std::array<int, 2> level_{};
    bool evaluated_ = true;
    bool games_ = false;
};

}  // namespace explorer
