// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/scene_parts.h"

#include <array>

namespace {

using Member = TImage* TForm1::*;

constexpr std::array<Member, kWalzenbildCount> kReelPictures = {
    &TForm1::Walzenbild7,   &TForm1::Walzenbild8,   &TForm1::Walzenbild9,   &TForm1::Walzenbild10,
    &TForm1::Walzenbild11,  &TForm1::Walzenbild12,  &TForm1::Walzenbild3,   &TForm1::Walzenbild4,
    &TForm1::Walzenbild5,   &TForm1::Walzenbild6_1, &TForm1::Walzenbild6_2, &TForm1::Walzenbild6_3,
    &TForm1::Walzenbild1,   &TForm1::Walzenbild2};

}  // namespace

TImage& ReelImage(TForm1& f, Reel reel) {
    switch (reel) {
        case Reel::Left: return *f.Walze_links1;
        case Reel::Middle: return *f.Walze_mitte1;
        case Reel::Right: break;
    }
    return *f.Walze_rechts1;
}

TImage& ReelPicture(TForm1& f, Walzenbild picture) { return *(f.*kReelPictures[static_cast<int>(picture)]); }

void ShowStepLit(TForm1& f, Ladder ladder, int step) { ShowFieldLook(f, ladder, step, &LadderField::yellow); }

void ShowStepNormal(TForm1& f, Ladder ladder, int step) { ShowFieldLook(f, ladder, step, &LadderField::normal); }

int LadderLevel(const GameState& g, Ladder ladder) {
    for (int step = 1; step <= kTopStep; ++step)
        if (g.StufeErreicht[StepIndex(ladder, step)]) return step;
    return 0;
}

void SetLadderLevel(GameState& g, Ladder ladder, int step) {
    for (int s = 1; s <= kTopStep; ++s) g.StufeErreicht[StepIndex(ladder, s)] = s == step;
}

TBitBtn& StopButton(TForm1& f, Ladder ladder) { return ladder == Ladder::Left ? *f.StopBtn1 : *f.StopBtn2; }
