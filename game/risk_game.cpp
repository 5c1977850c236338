// The risk game: three markers blink in turn until the player stops them or the passes
// run out; the marker left standing doubles, keeps or loses the amount.
#include "game/scene_parts.h"
#include "toolkit/random.h"

namespace {

void ShowAlone(TForm1& f, TImage* marker) {
    for (TImage* m : {f.Image2mal, f.Image1mal, f.Image0mal}) m->SetVisible(m == marker);
}

}  // namespace

void TForm1::RisikoSpiel() {
    CPUTaktAbwarten();
    Game.RisikoLaeuft = true;
    SetGlyph(*StopWalzenBtn, *StopAktImage);
    StopWalzenBtn->SetFocus();
    if (Game.RisikospielEin) ImageRisiko->Hide();
    Game.RisikoStopGedrueckt = false;
    LabelBetrag->Show();
    ShowAlone(*this, nullptr);
    Randomize();
    const int passes = Random(60) + 20;
    const int step = Program.CPUTaktMHz / 200 + 10;
    for (int pass = 0; pass < passes; ++pass) {
        for (TImage* marker : {Image2mal, Image1mal, Image0mal}) {
            MachPause1->Pause(step);
            ShowAlone(*this, marker);
            if (Game.RisikoStopGedrueckt) return;
        }
    }
    Randomize();
    const int a = Random(60);
    ShowAlone(*this, a < 20 ? Image0mal : (a % 2 == 1 ? Image2mal : Image1mal));
    MachPause1->Pause(500);
    Game.RisikoLaeuft = false;
}
