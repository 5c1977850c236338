// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a game stands: the flags and counters the game's handlers share.
#include <array>
#include <string>

#include "machine/ladder_parts.h"
#include "machine/reel_pictures.h"

// Which ladder run: the count of ladders started when it began. A sequence holds the run it
// belongs to, and a later ladder's run replaces it.
using LadderRun = int;

struct GameState {
    bool SpielLaeuft = false;
    bool MenueOffen = false;
    bool RuhePhaseErlaubt = false;
    bool ProgrammBeenden = false;
    bool RisikospielEin = true;
    bool ErsterMenueAufruf = true;
    int SonderspieleTextX = 0;
    int SonderspieleTextY = 0;
    BildAufWalzeTable BildAufWalze{};

    // The reels.
    bool WalzeGestoppt = false;
    bool LinkeWalzeStoppbereit = false;
    bool MitteWalzeStoppbereit = false;
    bool RechteWalzeStoppbereit = false;
    bool MitteNochmalMoeglich = false;
    int WalzenTaktLinks = 0;
    int WalzenTaktMitte = 0;
    int WalzenTaktRechts = 0;

    // The win ladders: steps 1 to 6 of the left ladder, then of the right one (LevelSlot).
    bool LeiterLinksAktiv = false;
    bool LeiterRechtsAktiv = false;
    std::array<bool, kLevelSlots> StufeErreicht{};
    std::array<bool, kLevelSlots> StufeLeuchtet{};
    int LeiterTakt = 0;
    bool StoppAufNull = true;

    // The risk game and crediting.
    bool RisikoLaeuft = false;
    bool RisikoStopGedrueckt = false;
    std::string LetzterGewinnText;

    // The whole euros of the credit as the last deposit that checks the limit found them.
    int SpielgeldEuroGanz = 0;

    // The reels of a spin or a re-spin turn or wait for their evaluation: no game may start,
    // and the end of a ladder leaves SpielLaeuft to them.
    bool ReelsRunning = false;
    // A ladder runs, from the winning evaluation to its end.
    bool LadderRunning = false;
    // The running ladder has credited the win its reels showed: its stops no longer wait for
    // the reels, whatever a re-spin or a later game shows there.
    bool ReelWinCredited = false;

    // Ladders started so far, and the sequences (a phase, a stop) of the current one that run,
    // one inside another's pause; stop clicks meanwhile wait until the outermost one has
    // finished. A sequence of an earlier ladder leaves the current one alone.
    LadderRun LadderNumber = 0;
    int LadderSequences = 0;
    // An autostart step is waiting to run from the outermost loop.
    bool AutoStartRequested = false;
    // A start pressed during the re-spin offer: once the middle reel is evaluated, the spin
    // sequences that run end, and the next game starts from the outermost loop.
    bool StartRequested = false;
};
