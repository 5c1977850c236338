// SPDX-License-Identifier: GPL-3.0-or-later
// The stopped pictures against the combination table: a win starts a ladder at its level.
#include "game/ladder_sequence.h"
#include "game/scene_parts.h"

void TForm1::Auswertung() {
    Game.SpielLaeuft = false;
    Game.ReelsRunning = false;
    const std::optional<Combination> win = FindCombination(Game.BildAufWalze);
    Play->ReelsEvaluated();
    if (!win) return;
    // A ladder still running from an earlier game ends here: one ladder runs at a time.
    GewinnLeisteTimer2->SetEnabled(false);
    for (Ladder ladder : kBothLadders) ShowStepNormal(*this, ladder, 0);
    BeginNewLadder(Game);
    ClearLeisten();
    Game.StufeErreicht[LevelSlot(win->ladder, win->step)] = true;
    for (Ladder ladder : kBothLadders) Game.*PartsOfLadder(ladder).active = win->ladder == ladder;
    StopButton(*this, win->focus).SetFocus();
    Game.LetzterGewinnText.clear();
    GewinnLeiste00Timer->SetEnabled(true);
}
