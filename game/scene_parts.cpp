// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/scene_parts.h"

#include <array>

TImage& ReelImage(TForm1& f, Reel reel) {
    switch (reel) {
        case Reel::Left: return *f.Walze_links1;
        case Reel::Middle: return *f.Walze_mitte1;
        case Reel::Right: break;
    }
    return *f.Walze_rechts1;
}

TImage& ReelPicture(TForm1& f, Walzenbild picture) { return *(f.*ReelPictureOf(picture).member); }

void ShowStepLit(TForm1& f, Ladder ladder, int step) { ShowFieldLook(f, ladder, step, &LadderField::yellow); }

void ShowStepNormal(TForm1& f, Ladder ladder, int step) { ShowFieldLook(f, ladder, step, &LadderField::normal); }

int LadderLevel(const GameState& g, Ladder ladder) {
    for (int step = 1; step <= kTopStep; ++step)
        if (g.StufeErreicht[LevelSlot(ladder, step)]) return step;
    return 0;
}

void SetLadderLevel(GameState& g, Ladder ladder, int step) {
    for (int s = 1; s <= kTopStep; ++s) g.StufeErreicht[LevelSlot(ladder, s)] = s == step;
}

TBitBtn& StopButton(TForm1& f, Ladder ladder) { return *(f.*PartsOfLadder(ladder).stopButton); }
