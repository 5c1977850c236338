// SPDX-License-Identifier: GPL-3.0-or-later
// The risk game: three markers blink in turn until the player stops them or the passes
// run out; the marker left standing doubles, keeps or loses the amount.
#include "game/scene_parts.h"
#include "machine/game_rules.h"
#include "toolkit/random.h"

namespace {

// The markers blink for 20 to 79 passes, each marker a pause that grows with the processor's
// clock; the last one stands this long before the amount is settled.
constexpr int kFewestPasses = 20, kPassesDrawn = 60;
constexpr int kClockPerMs = 200, kShortestBlinkMs = 10;
constexpr int kStandingMs = 500;

void ShowAlone(TForm1& f, TImage* marker) {
    for (TImage* m : {f.Image2mal, f.Image1mal, f.Image0mal}) m->SetVisible(m == marker);
}

}  // namespace

void TForm1::RisikoSpiel() {
    AwaitCpuClock();
    Game.RisikoLaeuft = true;
    SetGlyph(*StopWalzenBtn, *StopAktImage);
    StopWalzenBtn->SetFocus();
    if (Game.RisikospielEin) ImageRisiko->Hide();
    Game.RisikoStopGedrueckt = false;
    LabelBetrag->Show();
    ShowAlone(*this, nullptr);
    Randomize();
    const int passes = Random(kPassesDrawn) + kFewestPasses;
    const int step = Program.CPUTaktMHz / kClockPerMs + kShortestBlinkMs;
    for (int pass = 0; pass < passes; ++pass) {
        for (TImage* marker : {Image2mal, Image1mal, Image0mal}) {
            MachPause1->Pause(step);
            ShowAlone(*this, marker);
            if (Game.RisikoStopGedrueckt) return;
        }
    }
    Randomize();
    TImage* const standing[] = {Image0mal, Image1mal, Image2mal};  // by the amount's factor
    ShowAlone(*this, standing[RiskFactorOfDraw(Random(kRiskDraws))]);
    MachPause1->Pause(kStandingMs);
    Game.RisikoLaeuft = false;
}
