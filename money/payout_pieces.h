#pragma once
// The notes and coins a payout hands out, and the pieces of an amount in paying order.
#include <array>
#include <string>
#include <string_view>
#include <vector>

struct PayoutPiece {
    std::string_view name;    // as the payout list holds it: "20EuroSchein"
    std::string_view amount;  // subtracted from the credit: "20", "0,50"
    bool clearsDisplay;       // notes clear the credit display before rewriting it
};

// Largest first. Each digit of an amount is paid with three neighbours of this table
// (50, 20, 10 euros; 5, 2, 1 euros; 50, 20, 10 cents). There is no 200-euro note.
inline constexpr std::array<PayoutPiece, 11> kPayoutPieces{{
    {"500EuroSchein", "500", true},
    {"100EuroSchein", "100", true},
    {"50EuroSchein", "50", true},
    {"20EuroSchein", "20", true},
    {"10EuroSchein", "10", true},
    {"5EuroSchein", "5", true},
    {"2EuroMuenze", "2", false},
    {"1EuroMuenze", "1", false},
    {"50CentMuenze", "0,50", false},
    {"20CentMuenze", "0,20", false},
    {"10CentMuenze", "0,10", false},
}};

// The position of a name in kPayoutPieces; -1 for a name that is none.
int PayoutPieceIndex(std::string_view name);

// The names of the pieces that pay an amount with two places ("1287,90"), in paying order.
// Cents that are not a multiple of ten are not paid.
std::vector<std::string> PayoutPieceNames(std::string_view amountText);
