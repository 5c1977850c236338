// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes and coins of the play money and how deposits and the payout treat each, without
// their pictures: the game, the payout and the help read them from here.
#include <array>
#include <string>
#include <string_view>

struct MoneyPiece {
    std::string_view amount;      // "500", "0,50"
    bool coin;                    // drawn transparently, sinks like a coin and rings
    bool limitChecked;            // refused above the credit limit
    std::string_view payoutName;  // as the payout list holds it; empty: never paid out
};

// Largest first.
inline constexpr auto kMoneyPieces = std::to_array<MoneyPiece>({
    {"500", false, true, "500EuroSchein"},
    {"200", false, true, ""},
    {"100", false, true, "100EuroSchein"},
    {"50", false, true, "50EuroSchein"},
    {"20", false, true, "20EuroSchein"},
    {"10", false, true, "10EuroSchein"},
    {"5", false, true, "5EuroSchein"},
    {"2", true, true, "2EuroMuenze"},
    {"1", true, true, "1EuroMuenze"},
    {"0,50", true, true, "50CentMuenze"},
    {"0,20", true, false, "20CentMuenze"},
    {"0,10", true, false, "10CentMuenze"},
});

// The piece of an amount; not constant at compile time for an amount that is none.
constexpr const MoneyPiece& PieceOf(std::string_view amount) {
    for (const MoneyPiece& piece : kMoneyPieces)
        if (piece.amount == amount) return piece;
    throw "no note or coin of that amount";
}

// The smallest note or coin: less credit than this cannot be paid out.
inline constexpr std::string_view kSmallestAmount = kMoneyPieces.back().amount;

// An amount of the table in cents: "500" is 50000, "0,50" is 50.
constexpr long long CentsOfAmount(std::string_view amount) {
    long long cents = 0;
    int places = -1;
    for (char c : amount) {
        if (c == ',') {
            places = 0;
            continue;
        }
        cents = cents * 10 + (c - '0');
        if (places >= 0) ++places;
    }
    for (int p = places < 0 ? 0 : places; p < 2; ++p) cents *= 10;
    return cents;
}

// As a player says it: "500 Euro", "10 Cent".
inline std::string SpokenAmount(std::string_view amount) {
    const long long cents = CentsOfAmount(amount);
    return cents < 100 ? std::to_string(cents) + " Cent" : std::string(amount) + " Euro";
}
