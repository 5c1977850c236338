#pragma once
// Where a game stands: the flags and counters the game's handlers share.
#include <array>

#include "support/euro_decimal.h"

struct GameState {
    bool SpielLaeuft = false;
    bool MenueOffen = false;
    bool RuhePhaseErlaubt = false;
    bool ProgrammBeenden = false;
    bool RisikospielEin = true;
    bool ErsterMenueAufruf = true;
    EuroDecimal SonderspieleAnzahl;
    int SonderspieleTextX = 0;
    int SonderspieleTextY = 0;
    // Picture-major: the three reels (left, middle, right) of each of the fourteen pictures.
    std::array<bool, 42> BildAufWalze{};
};
