// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine's one book of money and special games. Every move goes through it: a deposit,
// a stake or a special game used, a win credited, the cash box emptied, the payout's steps
// and the quit. It keeps the meters of what has moved, checks after every move that they
// account for the credit, the debt, the cash box and the special games, and tells the play
// history. A move that would break the balance, or that comes while the book is closed (a
// payout from its first step to its end, the quit), is refused and reported, never applied.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "machine/play_events.h"
#include "support/euro_decimal.h"

// What the book holds. Special games are a whole number.
struct LedgerBalances {
    EuroDecimal Spielgeld, Schulden, Automatenkasse, SonderspieleAnzahl;
};

// What has moved since the book was opened.
struct LedgerMeters {
    EuroDecimal deposited, staked, creditedMoney, settled, paidOut;
    EuroDecimal cashBoxTaken, cashBoxEmptied;
    EuroDecimal specialWon, specialUsed, specialForfeited;
    std::int64_t deposits = 0, paidGames = 0, specialGames = 0, pieces = 0;
};

enum class LedgerMoveKind {
    Opened, Deposit, Stake, SpecialGameUsed, MoneyCredited, SpecialGamesCredited, CashBoxEmptied,
    PayoutBegun, PayoutGivenUp, AccountClosed, Settled, PiecePaid, Closed
};

struct LedgerMove {
    LedgerMoveKind kind;
    EuroDecimal amount;  // the move's amount or count; for a money credit what reached the credit
};

class Ledger {
public:
    enum class State { Open, Payout, Closed };

    explicit Ledger(const std::unique_ptr<PlayEvents>& play) : play_(play) {}

    // Opens the book with what a run starts from; the meters start again at zero.
    void Open(const LedgerBalances& opening);

    const EuroDecimal& Spielgeld() const { return now_.Spielgeld; }
    const EuroDecimal& Schulden() const { return now_.Schulden; }
    const EuroDecimal& Automatenkasse() const { return now_.Automatenkasse; }
    const EuroDecimal& SonderspieleAnzahl() const { return now_.SonderspieleAnzahl; }
    const LedgerBalances& Balances() const { return now_; }
    const LedgerBalances& Opening() const { return opening_; }
    const LedgerMeters& Meters() const { return meters_; }
    State GetState() const { return state_; }
    bool InPayout() const { return state_ == State::Payout; }

    // A note or coin on its way into the machine counts for the limits until it is booked.
    void DepositSinking(const EuroDecimal& amount);
    const EuroDecimal& Sinking() const { return sinking_; }
    int DepositsSinking() const { return sinkingCount_; }
    // Books a deposit that has sunk: the credit, the debt and the cash box grow by it.
    bool Deposit(const EuroDecimal& amount);

    // A game paid with the stake; false, and nothing moves, when the credit is too small.
    bool Stake(const EuroDecimal& stake);
    // A game paid with a special game; false, and nothing moves, when there is none.
    bool UseSpecialGame();
    // A money step handed out: its amount, and what reached the credit after the risk game.
    bool CreditMoney(const EuroDecimal& step, const EuroDecimal& credited, RiskOutcome outcome);
    bool CreditSpecialGames(const EuroDecimal& count);
    // The full cash box is emptied down to `left`; the rest leaves the machine.
    bool EmptyCashBox(const EuroDecimal& left);

    // The payout: begun (the book closes to every other move), given up by the player (it
    // opens again), the account closed (the special games forfeited, the whole credit taken
    // out of the cash box), the debt settled against the credit, and each piece paid out.
    bool BeginPayout();
    void GiveUpPayout();
    bool CloseAccount();
    bool Settle();
    bool PayPiece(const EuroDecimal& amount);
    // The quit: nothing moves any more.
    void Close();

    // True when the meters account for every balance and none is negative.
    bool Balanced() const;
    // The moves refused so far, each said in one line.
    const std::vector<std::string>& Refusals() const { return refusals_; }
    // Called after every move that was applied.
    void Watch(std::function<void(const LedgerMove&)> watcher) { watchers_.push_back(std::move(watcher)); }

private:
    bool Refuse(const std::string& why);
    bool Allowed(const std::string& move, State needed);
    void Moved(LedgerMoveKind kind, const EuroDecimal& amount);

    const std::unique_ptr<PlayEvents>& play_;
    State state_ = State::Open;
    LedgerBalances opening_, now_;
    LedgerMeters meters_;
    EuroDecimal sinking_;
    int sinkingCount_ = 0;
    std::vector<std::string> refusals_;
    std::vector<std::function<void(const LedgerMove&)>> watchers_;
};
