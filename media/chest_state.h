#pragma once
// State of the treasure chest and of the geometry that follows its size.

struct ChestState {
    bool TruheInOriginalGroesse = true;
    int ScheinFallSchritt = 22;       // pixels a deposited note sinks per step
    int AuszahlungsBildHoehe = 57;    // thrown money picture, base height
    int AuszahlungsBildBreite = 81;   // and base width
    int AuszahlungsBildLinks = 0;     // where its flight starts
    int AuszahlungsBildOben = 360;
};
