// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game tells the play history as it happens, and the one question its player
// protection answers before a deposit. The statistics folder keeps the history
// (statistics/attach.h); until then, and when it is off, nothing is kept and nothing refused.
#include <cstdint>
#include <string>

#include "machine/ladder_fields.h"
#include "support/euro_decimal.h"
#include "support/outcome.h"

class TForm1;
class TMenueDlg;

// How a money win reached the credit: straight, or through the risk game's three markers.
enum class RiskOutcome { NotPlayed, Nothing, Single, Double };

class PlayEvents {
public:
    virtual ~PlayEvents() = default;

    // A game begins: one special game used, or the stake taken from the credit.
    virtual void GameStarted(bool /*specialGame*/) {}
    // The reels stopped and were evaluated (Game.BildAufWalze holds them).
    virtual void ReelsEvaluated() {}
    // A ladder stop caught a step (1 to 6).
    virtual void StepCaught(Ladder, int /*step*/) {}
    // A money step handed out: its amount, and what reached the credit.
    virtual void MoneyCredited(const EuroDecimal& /*stepAmount*/, const EuroDecimal& /*credited*/, RiskOutcome) {}
    virtual void SpecialGamesCredited(const EuroDecimal& /*count*/) {}
    // The running game and its ladder are over; the next game has not begun.
    virtual void GameOver() {}

    // Failed, with the German refusal, when the deposit would pass the player's own limit;
    // `onTheWay` is what earlier deposits still sinking into the machine will add.
    virtual Outcome DepositAllowed(const EuroDecimal& /*amount*/, const EuroDecimal& /*onTheWay*/) {
        return Outcome::Done();
    }
    virtual void Deposited(const EuroDecimal& /*amount*/) {}
    // The payout settles the whole credit against the debt.
    virtual void PaidOut(const EuroDecimal& /*credit*/, const EuroDecimal& /*debt*/) {}
    // The full cash box was emptied down to `left`.
    virtual void CashBoxEmptied(const EuroDecimal& /*left*/) {}
    // The history's last entry of the cash box, which the stored cash box follows; 0 for none.
    virtual std::int64_t CashBoxEntry() const { return 0; }
    // The program ends, whichever way: the running game and the play session are closed.
    virtual void ProgramEnds() {}

    // The window "Statistik", opened with F2 on the main window and the menu's button.
    virtual void ShowStatistics() {}
};
