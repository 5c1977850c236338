// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// State of the swimming shark.

struct SharkState {
    int HaiSchrittX = 5;              // pixels per tick; positive moves right
    bool HaiSchwimmtNachLinks = false;
    int HaiBildZaehler = 0;           // ticks since the last swim picture
    int HaiGebuecktZaehler = 0;       // ticks since the last bent picture
};
