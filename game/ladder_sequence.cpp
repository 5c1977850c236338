// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ladder_sequence.h"

#include <utility>

void BeginNewLadder(GameState& g) {
    ++g.LadderNumber;
    g.LadderSequences = 0;
    g.StopWaiting.fill(false);
    g.ReelWinCredited = false;
}

int BeginLadderSequence(GameState& g) {
    ++g.LadderSequences;
    return g.LadderNumber;
}

void EndLadderSequence(TForm1& f, int leiter) {
    GameState& g = f.Game;
    if (!LadderStillCurrent(g, leiter) || --g.LadderSequences > 0) return;
    if (std::exchange(g.StopWaiting[0], false)) f.StopBtn1Click(nullptr);
    if (std::exchange(g.StopWaiting[1], false)) f.StopBtn2Click(nullptr);
}

void LadderOver(TForm1& f, int leiter) {
    GameState& g = f.Game;
    if (LadderStillCurrent(g, leiter)) {
        g.ReelWinCredited = false;
        if (!g.ReelsRunning) g.SpielLaeuft = false;
    }
    f.RequestAutoStart();
}
