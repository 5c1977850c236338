// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/cash_box_keeper.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "machine/settings_store.h"

namespace {

// "2026-12" for the month index of December 2026; 0 reads as no month.
std::string StoredMonth(int month) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", month / 12, month % 12 + 1);
    return text;
}

int MonthOf(const std::string& text) {
    int year = 0, month = 0;
    if (std::sscanf(text.c_str(), "%d-%d", &year, &month) != 2 || month < 1 || month > 12 || year < 0) return 0;
    return year * 12 + month - 1;
}

std::int64_t Cents(const EuroDecimal& amount) {
    std::string text = amount.ToFixed(2);
    text.erase(text.find(','), 1);
    return std::strtoll(text.c_str(), nullptr, 10);
}

std::string CentsText(std::int64_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld,%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    return text;
}

}  // namespace

int MonthIndex(const std::tm& local) { return (local.tm_year + 1900) * 12 + local.tm_mon; }

const KeptCashBox& CashBoxKeeper::Load(const EuroDecimal& cashBox) {
    const settings::CashBoxFigures stored = settings::ReadCashBoxFigures();
    kept_.amount = cashBox;
    kept_.month = MonthOf(stored.month);
    const std::optional<EuroDecimal> month = EuroDecimal::TryParse(stored.monthDeposits);
    kept_.monthCents = month && month->Sign() > 0 ? Cents(*month) : 0;
    kept_.entry = std::max<std::int64_t>(0, std::strtoll(stored.entry.c_str(), nullptr, 10));
    return kept_;
}

void CashBoxKeeper::Follow(Ledger& money) {
    money.Watch([this, &money](const LedgerMove& move) { Moved(move, money); });
}

int CashBoxKeeper::Month() const { return std::max(kept_.month, MonthIndex(now_())); }

std::int64_t CashBoxKeeper::MonthDeposits() const { return Month() == kept_.month ? kept_.monthCents : 0; }

void CashBoxKeeper::Moved(const LedgerMove& move, const Ledger& money) {
    switch (move.kind) {
        case LedgerMoveKind::Deposit: {
            const int month = Month();
            if (month != kept_.month) kept_.monthCents = 0;
            kept_.month = month;
            kept_.monthCents += Cents(move.amount);
            Store(money.Automatenkasse());
            break;
        }
        case LedgerMoveKind::CashBoxEmptied:
        case LedgerMoveKind::AccountClosed: Store(money.Automatenkasse()); break;
        default: break;
    }
}

bool CashBoxKeeper::Take(const KeptCashBox& agreed) {
    kept_ = agreed;
    return Write();
}

bool CashBoxKeeper::Store(const EuroDecimal& cashBox) {
    kept_.amount = cashBox;
    kept_.entry = entry_();
    return Write();
}

bool CashBoxKeeper::Write() const {
    return settings::WriteCashBoxFigures({settings::CashBoxTextAtExit(kept_.amount),
                                          kept_.month ? StoredMonth(kept_.month) : std::string(),
                                          CentsText(kept_.monthCents), std::to_string(kept_.entry)});
}
