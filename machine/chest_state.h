// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// State of the treasure chest and of the geometry that follows its size.

struct ChestState {
    // At full size: the note's fall step and the thrown money picture's size and start top.
    static constexpr int kFullFallStep = 22;
    static constexpr int kFullMoneyHeight = 57;
    static constexpr int kFullMoneyWidth = 81;
    static constexpr int kFullMoneyTop = 360;

    bool TruheInOriginalGroesse = true;
    int ScheinFallSchritt = kFullFallStep;      // pixels a deposited note sinks per step
    int AuszahlungsBildHoehe = kFullMoneyHeight;  // thrown money picture, base height
    int AuszahlungsBildBreite = kFullMoneyWidth;  // and base width
    int AuszahlungsBildLinks = 0;                 // where its flight starts
    int AuszahlungsBildOben = kFullMoneyTop;

    // Everything that follows the chest, back at the full chest's values.
    void SetFullSizeGeometry(int moneyLeft) {
        ScheinFallSchritt = kFullFallStep;
        AuszahlungsBildHoehe = kFullMoneyHeight;
        AuszahlungsBildBreite = kFullMoneyWidth;
        AuszahlungsBildLinks = moneyLeft;
        AuszahlungsBildOben = kFullMoneyTop;
    }
};
