// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three amounts of money: the player's credit, his debt and the machine's cash box.
#include "support/euro_decimal.h"

struct MoneyState {
    EuroDecimal Spielgeld;
    EuroDecimal Schulden;
    EuroDecimal Automatenkasse;
    int SpielgeldEuroGanz = 0;
    // From the payout's first step to its end: no other money move and no quit may start.
    bool PayoutRunning = false;
};
