// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes and coins of the play money: what each is worth, its picture and place in the
// menu, and how deposits and the payout treat it.
#include <array>
#include <string_view>

#include "machine/window_parts.h"
#include "machine/menue_dlg.h"

struct Denomination {
    std::string_view amount;              // "500", "0,50"
    TImage* TMenueDlg::*picture;          // deposited, thrown out and shown by the attract mode
    const char* name;                     // the picture's component and artwork name
    void (TMenueDlg::*click)(TObject*);  // the deposit
    Place at;                             // in the menu
    bool coin;                            // drawn transparently, sinks like a coin and rings
    bool limitChecked;                    // refused above the credit limit
    std::string_view payoutName;          // as the payout list holds it; empty: never paid out
};

#define DENOMINATION(n) &TMenueDlg::n, #n, &TMenueDlg::n##Click
// Largest first, in the menu's order.
inline constexpr auto kDenominations = std::to_array<Denomination>({
    {"500", DENOMINATION(Button_500_Euro), {8, 48, 80, 118}, false, true, "500EuroSchein"},
    {"200", DENOMINATION(Button_200_Euro), {103, 48, 80, 118}, false, true, ""},
    {"100", DENOMINATION(Button_100_Euro), {198, 48, 80, 118}, false, true, "100EuroSchein"},
    {"50", DENOMINATION(Button_50_Euro), {294, 48, 80, 118}, false, true, "50EuroSchein"},
    {"20", DENOMINATION(Button_20_Euro), {388, 48, 80, 118}, false, true, "20EuroSchein"},
    {"10", DENOMINATION(Button_10_Euro), {483, 48, 80, 118}, false, true, "10EuroSchein"},
    {"5", DENOMINATION(Button_5_Euro), {579, 48, 80, 118}, false, true, "5EuroSchein"},
    {"2", DENOMINATION(Button_2_Euro), {4, 189, 79, 79}, true, true, "2EuroMuenze"},
    {"1", DENOMINATION(Button_1_Euro), {104, 191, 75, 75}, true, true, "1EuroMuenze"},
    {"0,50", DENOMINATION(Button_50_Cent), {203, 194, 70, 70}, true, true, "50CentMuenze"},
    {"0,20", DENOMINATION(Button_20_Cent), {305, 200, 58, 59}, true, false, "20CentMuenze"},
    {"0,10", DENOMINATION(Button_10_Cent), {401, 205, 50, 50}, true, false, "10CentMuenze"},
});
#undef DENOMINATION

// The smallest note or coin: less credit than this cannot be paid out.
inline constexpr std::string_view kSmallestAmount = kDenominations.back().amount;

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

// The entry of a menu picture; throws std::out_of_range for a member that is none.
const Denomination& DenominationOf(TImage* TMenueDlg::*picture);
