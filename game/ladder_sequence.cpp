// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ladder_sequence.h"


void BeginNewLadder(GameState& g) {
    ++g.LadderNumber;
    g.LadderSequences = 0;
    g.LadderRunning = true;
    g.ReelWinCredited = false;
}

LadderRun BeginLadderSequence(GameState& g) {
    ++g.LadderSequences;
    return g.LadderNumber;
}

void EndLadderSequence(TForm1& f, LadderRun run) {
    GameState& g = f.Game;
    if (!LadderStillCurrent(g, run) || --g.LadderSequences > 0) return;
    f.Gate.RunDeferred();
}

void LadderOver(TForm1& f, LadderRun run) {
    GameState& g = f.Game;
    if (LadderStillCurrent(g, run)) {
        g.LadderRunning = false;
        g.ReelWinCredited = false;
        if (!g.ReelsRunning) g.SpielLaeuft = false;
    }
    f.RequestAutoStart();
}
