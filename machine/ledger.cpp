// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/ledger.h"

#include <iostream>

namespace {

// Made when first used: the decimal's own constants are set up with the program.
const EuroDecimal& One() {
    static const EuroDecimal one = EuroDecimal::FromInteger(1);
    return one;
}

bool Negative(const EuroDecimal& amount) { return amount.Sign() < 0; }

}  // namespace

void Ledger::Open(const LedgerBalances& opening) {
    opening_ = now_ = opening;
    meters_ = {};
    sinking_ = {};
    sinkingCount_ = 0;
    state_ = State::Open;
    Moved(LedgerMoveKind::Opened, {});
}

bool Ledger::Refuse(const std::string& why) {
    refusals_.push_back(why);
    std::cerr << "tresolo: Buchung abgelehnt: " << why << '\n';
    return false;
}

bool Ledger::Allowed(const std::string& move, State needed) {
    if (state_ == needed) return true;
    const char* const why = state_ == State::Closed ? " nach dem Programmende"
                            : state_ == State::Payout ? " während der Auszahlung"
                                                      : " außerhalb der Auszahlung";
    return Refuse(move + why);
}

void Ledger::Moved(LedgerMoveKind kind, const EuroDecimal& amount) {
    if (!Balanced()) Refuse("Bestand und Zähler stimmen nicht überein");
    for (const auto& watcher : watchers_) watcher({kind, amount});
}

void Ledger::DepositSinking(const EuroDecimal& amount) {
    sinking_ += amount;
    ++sinkingCount_;
}

bool Ledger::Deposit(const EuroDecimal& amount) {
    if (sinkingCount_ > 0) {
        sinking_ -= amount;
        --sinkingCount_;
    }
    if (!Allowed("Einzahlung", State::Open)) return false;
    if (Negative(amount)) return Refuse("negative Einzahlung");
    now_.Spielgeld += amount;
    now_.Schulden += amount;
    now_.Automatenkasse += amount;
    meters_.deposited += amount;
    ++meters_.deposits;
    play_->Deposited(amount);
    Moved(LedgerMoveKind::Deposit, amount);
    return true;
}

bool Ledger::Stake(const EuroDecimal& stake) {
    if (!Allowed("Einsatz", State::Open)) return false;
    if (Negative(now_.Spielgeld - stake)) return false;
    now_.Spielgeld -= stake;
    meters_.staked += stake;
    ++meters_.paidGames;
    play_->GameStarted(false);
    Moved(LedgerMoveKind::Stake, stake);
    return true;
}

bool Ledger::UseSpecialGame() {
    if (!Allowed("Sonderspiel", State::Open)) return false;
    if (Negative(now_.SonderspieleAnzahl - One())) return false;
    now_.SonderspieleAnzahl -= One();
    meters_.specialUsed += One();
    ++meters_.specialGames;
    play_->GameStarted(true);
    Moved(LedgerMoveKind::SpecialGameUsed, One());
    return true;
}

bool Ledger::CreditMoney(const EuroDecimal& step, const EuroDecimal& credited, RiskOutcome outcome) {
    if (!Allowed("Gewinn " + step.ToFixed(2), State::Open)) return false;
    if (Negative(credited)) return Refuse("negativer Gewinn");
    now_.Spielgeld += credited;
    meters_.creditedMoney += credited;
    play_->MoneyCredited(step, credited, outcome);
    Moved(LedgerMoveKind::MoneyCredited, credited);
    return true;
}

bool Ledger::CreditSpecialGames(const EuroDecimal& count) {
    if (!Allowed(count.ToFixed(0) + " Sonderspiele", State::Open)) return false;
    if (Negative(count)) return Refuse("negative Sonderspiele");
    now_.SonderspieleAnzahl += count;
    meters_.specialWon += count;
    play_->SpecialGamesCredited(count);
    Moved(LedgerMoveKind::SpecialGamesCredited, count);
    return true;
}

bool Ledger::EmptyCashBox(const EuroDecimal& left) {
    if (!Allowed("Leeren der Kasse", State::Open)) return false;
    const EuroDecimal taken = now_.Automatenkasse - left;
    if (Negative(taken) || Negative(left)) return Refuse("Kasse kann nicht auf " + left.ToFixed(2) + " geleert werden");
    now_.Automatenkasse = left;
    meters_.cashBoxEmptied += taken;
    play_->CashBoxEmptied(left);
    Moved(LedgerMoveKind::CashBoxEmptied, taken);
    return true;
}

bool Ledger::BeginPayout() {
    if (!Allowed("Auszahlung", State::Open)) return false;
    state_ = State::Payout;
    Moved(LedgerMoveKind::PayoutBegun, {});
    return true;
}

void Ledger::GiveUpPayout() {
    if (state_ != State::Payout) return;
    state_ = State::Open;
    Moved(LedgerMoveKind::PayoutGivenUp, {});
}

// The cash box loses the credit as its two-place text says.
bool Ledger::CloseAccount() {
    if (!Allowed("Abrechnung", State::Payout)) return false;
    const EuroDecimal credit = EuroDecimal::Parse(now_.Spielgeld.ToFixed(2));
    meters_.specialForfeited += now_.SonderspieleAnzahl;
    now_.SonderspieleAnzahl = {};
    now_.Automatenkasse -= credit;
    meters_.cashBoxTaken += credit;
    play_->PaidOut(now_.Spielgeld, now_.Schulden);
    Moved(LedgerMoveKind::AccountClosed, credit);
    return true;
}

bool Ledger::Settle() {
    if (!Allowed("Verrechnung", State::Payout)) return false;
    if (Negative(now_.Spielgeld - now_.Schulden)) return Refuse("Schulden größer als das Guthaben");
    now_.Spielgeld -= now_.Schulden;
    meters_.settled += now_.Schulden;
    Moved(LedgerMoveKind::Settled, now_.Schulden);
    return true;
}

bool Ledger::PayPiece(const EuroDecimal& amount) {
    if (!Allowed("Auszahlung von " + amount.ToFixed(2), State::Payout)) return false;
    if (Negative(amount) || Negative(now_.Spielgeld - amount))
        return Refuse("Auszahlung von " + amount.ToFixed(2) + " übersteigt das Guthaben");
    now_.Spielgeld -= amount;
    meters_.paidOut += amount;
    ++meters_.pieces;
    Moved(LedgerMoveKind::PiecePaid, amount);
    return true;
}

void Ledger::Close() {
    if (state_ == State::Closed) return;
    state_ = State::Closed;
    Moved(LedgerMoveKind::Closed, {});
}

bool Ledger::Balanced() const {
    const LedgerMeters& m = meters_;
    const EuroDecimal credit =
        opening_.Spielgeld + m.deposited - m.staked + m.creditedMoney - m.settled - m.paidOut;
    const EuroDecimal cashBox = opening_.Automatenkasse + m.deposited - m.cashBoxTaken - m.cashBoxEmptied;
    const EuroDecimal special = opening_.SonderspieleAnzahl + m.specialWon - m.specialUsed - m.specialForfeited;
    return credit == now_.Spielgeld && opening_.Schulden + m.deposited == now_.Schulden &&
           cashBox == now_.Automatenkasse && special == now_.SonderspieleAnzahl && !Negative(now_.Spielgeld) &&
           !Negative(now_.SonderspieleAnzahl) && m.specialUsed == EuroDecimal::FromInteger(m.specialGames);
}
