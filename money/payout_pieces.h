// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes and coins a payout hands out, and the pieces of an amount in paying order.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "machine/denominations.h"

struct PayoutPiece {
    std::string_view name;        // as the payout list holds it: "20EuroSchein"
    std::string_view amount;      // subtracted from the credit: "20", "0,50"
    long long cents;              // the same in cents
    bool clearsDisplay;           // notes clear the credit display before rewriting it
    TImage* TMenueDlg::*picture;  // what the shark throws out
};

// The notes and coins that are paid out, largest first. An amount is paid with as many of
// the largest as fit, then of the next (1287,90: 500, 500, 100, 100, 50, 20, 10, 5, 2, ...).
inline constexpr auto kPayoutPieces = [] {
    constexpr auto paid = [] {
        std::size_t n = 0;
        for (const Denomination& d : kDenominations) n += d.payoutName.empty() ? 0 : 1;
        return n;
    }();
    std::array<PayoutPiece, paid> pieces{};
    std::size_t i = 0;
    for (const Denomination& d : kDenominations)
        if (!d.payoutName.empty()) pieces[i++] = {d.payoutName, d.amount, CentsOfAmount(d.amount), !d.coin, d.picture};
    return pieces;
}();

// The position of a name in kPayoutPieces; -1 for a name that is none.
int PayoutPieceIndex(std::string_view name);

// The names of the pieces that pay an amount with two places ("1287,90"), in paying order.
// Cents that are not a multiple of ten are not paid.
std::vector<std::string> PayoutPieceNames(std::string_view amountText);
