#pragma once
// Where a game stands: the flags and counters the game's handlers share.
#include <array>
#include <string>

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

    // The reels.
    bool WalzeGestoppt = false;
    bool LinkeWalzeStoppbereit = false;
    bool MitteWalzeStoppbereit = false;
    bool RechteWalzeStoppbereit = false;
    bool MitteNochmalMoeglich = false;
    int WalzenTaktLinks = 0;
    int WalzenTaktMitte = 0;
    int WalzenTaktRechts = 0;

    // The win ladders: steps 1 to 6 of the left ladder, then of the right one.
    bool LeiterLinksAktiv = false;
    bool LeiterRechtsAktiv = false;
    std::array<bool, 12> StufeErreicht{};
    std::array<bool, 12> StufeLeuchtet{};
    int LeiterTakt = 0;
    bool StoppAufNull = true;

    // The risk game and crediting.
    bool RisikoLaeuft = false;
    bool RisikoStopGedrueckt = false;
    std::string LetzterGewinnText;

    // Ladder sequences running (a credit, a stop); ladder stop clicks accepted meanwhile
    // wait until the outermost one has finished.
    int LeiterSequenzen = 0;
    std::array<bool, 2> StoppWartet{};
    // An autostart step is waiting to run from the outermost loop.
    bool AutoStartAngefordert = false;
};
