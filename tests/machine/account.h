// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test's account: the book opened with the amounts the test starts from, as a run opens it
// with what it carries over. The displays are left as they are.
#include "machine/ledger.h"

namespace account {

inline void Set(Ledger& money, EuroDecimal LedgerBalances::*field, const EuroDecimal& value) {
    LedgerBalances balances = money.Balances();
    balances.*field = value;
    money.Open(balances);
}
inline void Set(Ledger& money, EuroDecimal LedgerBalances::*field, const char* text) {
    Set(money, field, EuroDecimal::Parse(text));
}

}  // namespace account

inline void SetCredit(Ledger& m, const char* euro) { account::Set(m, &LedgerBalances::Spielgeld, euro); }
inline void SetDebt(Ledger& m, const char* euro) { account::Set(m, &LedgerBalances::Schulden, euro); }
inline void SetCashBox(Ledger& m, const char* euro) { account::Set(m, &LedgerBalances::Automatenkasse, euro); }
inline void SetSpecialGames(Ledger& m, const char* count) {
    account::Set(m, &LedgerBalances::SonderspieleAnzahl, count);
}
