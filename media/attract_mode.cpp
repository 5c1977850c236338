// The attract mode between games: the shark throws a money picture across the scene, the
// ladders light up field by field and the clam opens and closes, until the machine is busy.
#include <array>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "toolkit/random.h"

namespace {

constexpr int kCoinHeight = 80;  // pictures up to this high are coins

using MenuPicture = TImage* TMenueDlg::*;
constexpr std::array<MenuPicture, 12> kMoneyPictures = {
    &TMenueDlg::Button_1_Euro,  &TMenueDlg::Button_2_Euro,   &TMenueDlg::Button_50_Cent,
    &TMenueDlg::Button_20_Cent, &TMenueDlg::Button_10_Cent,  &TMenueDlg::Button_5_Euro,
    &TMenueDlg::Button_10_Euro, &TMenueDlg::Button_20_Euro,  &TMenueDlg::Button_50_Euro,
    &TMenueDlg::Button_100_Euro, &TMenueDlg::Button_200_Euro, &TMenueDlg::Button_500_Euro};

using Field = TImage* TForm1::*;
constexpr std::array<Field, 7> kLeftLadder = {&TForm1::Image_00,        &TForm1::Cent_50_Image,
                                              &TForm1::Euro_1_50_Image, &TForm1::Euro_2_20_Image,
                                              &TForm1::Sondersp5Image,  &TForm1::Sondersp10Image,
                                              &TForm1::Sondersp20Image};
constexpr std::array<Field, 7> kRightLadder = {&TForm1::Image_00_2,      &TForm1::Euro_1_20_Image,
                                               &TForm1::Euro_2_50_Image, &TForm1::Euro_3_70_Image,
                                               &TForm1::Sondersp15Image, &TForm1::Sondersp30Image,
                                               &TForm1::Sondersp40Image};

bool IsCoin(const TImage& image) { return image.Picture().Height() <= kCoinHeight; }

TImage& MovingShark(TForm1& f) { return f.Chest.TruheInOriginalGroesse ? *f.Hintergrund3 : *f.VordergrHaibewegt; }

bool GoOn(const TForm1& f) { return f.Game.RuhePhaseErlaubt && !f.Game.ProgrammBeenden; }

void ShowLook(TForm1& f, TImage& field, const char* suffix) {
    auto* source = dynamic_cast<TImage*>(f.FindComponent(field.Name() + suffix));
    if (source) field.Picture().Assign(source->Picture());
}

// One running light up a ladder: each field lights for 100 ms and goes dark before the next.
void RunningLight(TForm1& f, const std::array<Field, 7>& ladder) {
    for (Field field : ladder) {
        ShowLook(f, *(f.*field), "_gelb");
        f.MachPause1->Pause(100);
        ShowLook(f, *(f.*field), "_normal");
    }
}

// The money picture flies 20 steps down and to the right, growing from the 5th step.
void ThrowMoneyPicture(TForm1& f) {
    TImage& money = *f.AuszahlungsImage;
    const ChestState& c = f.Chest;
    const int growth = IsCoin(money) ? 2 : 3;
    money.SetTransparent(IsCoin(money));
    for (int step = 1; step <= 20; ++step) {
        const int factor = step <= 4 ? 1 : growth;
        money.SetBounds(money.Left() + 20, money.Top() + 50, c.AuszahlungsBildBreite * factor,
                        c.AuszahlungsBildHoehe * factor);
        f.MachPause1->Pause(200);
    }
    money.Hide();
}

void OnePass(TForm1& f) {
    TImage& shark = MovingShark(f);
    shark.Show();
    const ChestState& c = f.Chest;
    f.AuszahlungsImage->SetBounds(c.AuszahlungsBildLinks, c.AuszahlungsBildOben, c.AuszahlungsBildBreite,
                                  c.AuszahlungsBildHoehe);
    f.AuszahlungsImage->Show();
    f.MachPause1->Pause(1000);
    shark.Hide();
    ThrowMoneyPicture(f);
}

}  // namespace

void TForm1::PausenTimerTimer(TObject*) {
    // Not while the quit question shows: a loop begun then would end at once and stay marked.
    if (Program.RuhePhaseAktiv || !Game.RuhePhaseErlaubt || Game.ProgrammBeenden) return;
    RuhePhase();
}

void TForm1::RuhePhase() {
    while (Game.RuhePhaseErlaubt && !Program.AnwendungInaktiv) {
        Program.RuhePhaseAktiv = true;
        OnePass(*this);
        if (Game.ProgrammBeenden) {
            // Answered with No, the quit question must leave the mode free to run again.
            Program.RuhePhaseAktiv = false;
            return;
        }
        BlinkeInPause();
    }
    // A deactivation has cleared the flag already.
    if (!Program.AnwendungInaktiv) Program.RuhePhaseAktiv = false;
}

void TForm1::BlinkeInPause() {
    if (!GoOn(*this)) return;
    for (int i = 0; i < 3; ++i) {
        RunningLight(*this, kLeftLadder);
        if (!GoOn(*this)) return;
    }
    for (int i = 0; i < 3; ++i) {
        RunningLight(*this, kRightLadder);
        if (!GoOn(*this)) return;
        MuschelAnimation();
    }
    if (!MenueDlg) return;  // the money pictures are the menu's
    Randomize();
    const TImage& source = *(MenueDlg->*kMoneyPictures[static_cast<std::size_t>(Random(12))]);
    AuszahlungsImage->Picture().Assign(source.Picture());
    AuszahlungsImage->SetTransparent(IsCoin(*AuszahlungsImage));
}
