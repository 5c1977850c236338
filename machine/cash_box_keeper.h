// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cash box kept for the next start. It is stored with every move that changes it (a
// deposit, the emptying, the payout's account) in one write of the per-user store, together
// with the month's deposits that the player's limit counts and the play history's entry the
// stored figures follow, so that a start after a kill finds them as the last move left them.
#include <cstdint>
#include <ctime>
#include <functional>

#include "machine/ledger.h"

// Months counted from year 0: year * 12 + month - 1.
int MonthIndex(const std::tm& local);

struct KeptCashBox {
    EuroDecimal amount;
    int month = 0;                  // the latest month seen
    std::int64_t monthCents = 0;    // deposited in that month
    std::int64_t entry = 0;         // the play history's last cash-box entry these figures follow
};

class CashBoxKeeper {
public:
    // `now` is the local calendar; `entry` asks the play history for its last cash-box entry.
    CashBoxKeeper(std::function<std::tm()> now, std::function<std::int64_t()> entry)
        : now_(std::move(now)), entry_(std::move(entry)) {}

    // Takes the stored cash box and reads what is kept beside it; a month later than the
    // clock's stays the month.
    const KeptCashBox& Load(const EuroDecimal& cashBox);
    // From now on every move of the book that changes the cash box is stored.
    void Follow(Ledger& money);

    // The month deposits count for: never earlier than the latest one seen.
    int Month() const;
    // What was deposited in that month.
    std::int64_t MonthDeposits() const;
    const KeptCashBox& Kept() const { return kept_; }

    // Takes figures the start has agreed with the play history, its entry included, and
    // stores them.
    bool Take(const KeptCashBox& agreed);
    // Stores the cash box with the month's figures; false when the store could not be written.
    bool Store(const EuroDecimal& cashBox);

private:
    void Moved(const LedgerMove& move, const Ledger& money);
    bool Write() const;

    std::function<std::tm()> now_;
    std::function<std::int64_t()> entry_;
    KeptCashBox kept_;
};
