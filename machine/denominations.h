// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes and coins of the menu: each piece of the play money with its picture, place and
// deposit.
#include <array>
#include <string_view>

#include "machine/window_parts.h"
#include "machine/menue_dlg.h"
#include "machine/money_pieces.h"

// A note or coin in the menu: its piece of the play money, its picture and its deposit.
struct Denomination : MoneyPiece {
    TImage* TMenueDlg::*picture;          // deposited, thrown out and shown by the attract mode
    const char* name;                     // the picture's component and artwork name
    void (TMenueDlg::*click)(TObject*);  // the deposit
    Place at;                             // in the menu
};

#define DENOMINATION(amount, n) PieceOf(amount), &TMenueDlg::n, #n, &TMenueDlg::n##Click
// In the menu's order, which is the pieces' order.
inline constexpr auto kDenominations = std::to_array<Denomination>({
    {DENOMINATION("500", Button_500_Euro), {8, 48, 80, 118}},
    {DENOMINATION("200", Button_200_Euro), {103, 48, 80, 118}},
    {DENOMINATION("100", Button_100_Euro), {198, 48, 80, 118}},
    {DENOMINATION("50", Button_50_Euro), {294, 48, 80, 118}},
    {DENOMINATION("20", Button_20_Euro), {388, 48, 80, 118}},
    {DENOMINATION("10", Button_10_Euro), {483, 48, 80, 118}},
    {DENOMINATION("5", Button_5_Euro), {579, 48, 80, 118}},
    {DENOMINATION("2", Button_2_Euro), {4, 189, 79, 79}},
    {DENOMINATION("1", Button_1_Euro), {104, 191, 75, 75}},
    {DENOMINATION("0,50", Button_50_Cent), {203, 194, 70, 70}},
    {DENOMINATION("0,20", Button_20_Cent), {305, 200, 58, 59}},
    {DENOMINATION("0,10", Button_10_Cent), {401, 205, 50, 50}},
});
#undef DENOMINATION

constexpr bool EveryPieceInTheMenu() {
    if (kDenominations.size() != kMoneyPieces.size()) return false;
    for (std::size_t i = 0; i < kDenominations.size(); ++i)
        if (kDenominations[i].amount != kMoneyPieces[i].amount) return false;
    return true;
}
static_assert(EveryPieceInTheMenu(), "the menu shows every note and coin, in the pieces' order");

// The entry of a menu picture; throws std::out_of_range for a member that is none.
const Denomination& DenominationOf(TImage* TMenueDlg::*picture);
