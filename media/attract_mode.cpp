// The attract mode between games: the shark throws a money picture across the scene, the
// ladders light up field by field and the clam opens and closes, until the machine is busy.
// The show runs as timed steps, so nothing waits inside it.
#include <array>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/scene_geometry.h"
#include "machine/scene_pictures.h"
#include "toolkit/random.h"

namespace {

using MenuPicture = TImage* TMenueDlg::*;
constexpr std::array<MenuPicture, 12> kMoneyPictures = {
    &TMenueDlg::Button_1_Euro,  &TMenueDlg::Button_2_Euro,   &TMenueDlg::Button_50_Cent,
    &TMenueDlg::Button_20_Cent, &TMenueDlg::Button_10_Cent,  &TMenueDlg::Button_5_Euro,
    &TMenueDlg::Button_10_Euro, &TMenueDlg::Button_20_Euro,  &TMenueDlg::Button_50_Euro,
    &TMenueDlg::Button_100_Euro, &TMenueDlg::Button_200_Euro, &TMenueDlg::Button_500_Euro};

using Field = TImage* TForm1::*;
using Ladder = std::array<Field, 7>;
constexpr Ladder kLeftLadder = {&TForm1::Image_00,        &TForm1::Cent_50_Image, &TForm1::Euro_1_50_Image,
                                &TForm1::Euro_2_20_Image, &TForm1::Sondersp5Image, &TForm1::Sondersp10Image,
                                &TForm1::Sondersp20Image};
constexpr Ladder kRightLadder = {&TForm1::Image_00_2,      &TForm1::Euro_1_20_Image, &TForm1::Euro_2_50_Image,
                                 &TForm1::Euro_3_70_Image, &TForm1::Sondersp15Image, &TForm1::Sondersp30Image,
                                 &TForm1::Sondersp40Image};

using Steps = std::vector<AttractState::Schritt>;

bool Checkpoint(const TForm1& f) { return f.Game.RuhePhaseErlaubt && !f.Game.ProgrammBeenden; }

void ShowLook(TForm1& f, TImage& field, const char* suffix) {
    if (auto* source = dynamic_cast<TImage*>(f.FindComponent(field.Name() + suffix))) ShowPicture(field, *source);
}

void Add(Steps& s, int waitMs, std::function<void()> act) {
    s.push_back({[act = std::move(act)] {
                     act();
                     return true;
                 },
                 waitMs});
}

// The shark shows itself, then the money picture flies 20 steps, growing from the 5th.
void AddFlight(Steps& s, TForm1& f) {
    Add(s, 1000, [&f] {
        MovingShark(f).Show();
        PlaceMoneyPictureAtStart(f);
        f.AuszahlungsImage->Show();
    });
    Add(s, 0, [&f] {
        MovingShark(f).Hide();
        f.AuszahlungsImage->SetTransparent(IsCoinPicture(*f.AuszahlungsImage));
    });
    for (int step = 1; step <= 20; ++step) Add(s, 200, [&f, step] { MoneyPictureFlightStep(f, step); });
    Add(s, 0, [&f] { f.AuszahlungsImage->Hide(); });
}

// A running light: each field lights for 100 ms and goes dark just before the next lights.
void AddRunningLight(Steps& s, TForm1& f, const Ladder& ladder) {
    for (std::size_t i = 0; i < ladder.size(); ++i)
        Add(s, 100, [&f, &ladder, i] {
            if (i > 0) ShowLook(f, *(f.*ladder[i - 1]), "_normal");
            ShowLook(f, *(f.*ladder[i]), "_gelb");
        });
    Add(s, 0, [&f, &ladder] { ShowLook(f, *(f.*ladder.back()), "_normal"); });
}

void AddCheckpoint(Steps& s, TForm1& f) {
    s.push_back({[&f] { return Checkpoint(f); }, 0});
}

// A step waits after its work, so each frame's wait goes to the step before it.
void AddClam(Steps& s, TForm1& f) {
    for (int i = 0; i < kClamOpenings; ++i) {
        Add(s, kClamOpening.front().waitMs, [] {});
        for (std::size_t k = 0; k < kClamOpening.size(); ++k) {
            const int next = k + 1 < kClamOpening.size() ? kClamOpening[k + 1].waitMs : 0;
            Add(s, next, [&f, k] { ShowClamFrame(f, kClamOpening[k]); });
        }
    }
}

void EndShow(TForm1& f) {
    f.Ruhe.SchrittTimer->SetEnabled(false);
    f.Ruhe.Ablauf.clear();
    // A deactivation has cleared the flag already.
    if (!f.Program.AnwendungInaktiv) f.Program.RuhePhaseAktiv = false;
}

bool ShowRunning(const TForm1& f) { return f.Ruhe.SchrittTimer && f.Ruhe.SchrittTimer->Enabled(); }

}  // namespace

void TForm1::PausenTimerTimer(TObject*) {
    // Not while the quit question shows: a show begun then would stop at once.
    if (Program.RuhePhaseAktiv || ShowRunning(*this) || !Game.RuhePhaseErlaubt || Game.ProgrammBeenden) return;
    RuhePhase();
}

// One pass: the loop's test, the flight, then the lights; the pass's last step starts the next.
void TForm1::RuhePhase() {
    if (!Ruhe.SchrittTimer) {
        Ruhe.SchrittTimer = new TTimer(this);
        Ruhe.SchrittTimer->SetEnabled(false);
        Ruhe.SchrittTimer->OnTimer = Handler(this, &TForm1::RuhePhaseSchritt);
    }
    if (!Game.RuhePhaseErlaubt || Program.AnwendungInaktiv) {
        EndShow(*this);
        return;
    }
    Program.RuhePhaseAktiv = true;
    Ruhe.Ablauf.clear();
    Ruhe.Naechster = 0;
    AddFlight(Ruhe.Ablauf, *this);
    // Answered with No, the quit question must leave the mode free to run again.
    Ruhe.Ablauf.push_back({[this] {
                               if (!Game.ProgrammBeenden) return true;
                               EndShow(*this);
                               Program.RuhePhaseAktiv = false;
                               return false;
                           },
                           0});
    BlinkeInPause();
    RuhePhaseSchritt(nullptr);
}

void TForm1::BlinkeInPause() {
    Steps& s = Ruhe.Ablauf;
    AddCheckpoint(s, *this);
    for (int i = 0; i < 3; ++i) {
        AddRunningLight(s, *this, kLeftLadder);
        AddCheckpoint(s, *this);
    }
    for (int i = 0; i < 3; ++i) {
        AddRunningLight(s, *this, kRightLadder);
        AddCheckpoint(s, *this);
        AddClam(s, *this);
    }
    Add(s, 0, [this] {
        if (!MenueDlg) return;  // the money pictures are the menu's
        Randomize();
        ShowPicture(*AuszahlungsImage, *(MenueDlg->*kMoneyPictures[static_cast<std::size_t>(Random(12))]));
        AuszahlungsImage->SetTransparent(IsCoinPicture(*AuszahlungsImage));
    });
}

void TForm1::RuhePhaseAbbrechen() {
    if (!ShowRunning(*this) && Ruhe.Ablauf.empty()) return;
    EndShow(*this);
    MovingShark(*this).Hide();
    AuszahlungsImage->Hide();
}

// Runs steps until one has a wait; a failed checkpoint goes back to the loop's test.
void TForm1::RuhePhaseSchritt(TObject*) {
    Ruhe.SchrittTimer->SetEnabled(false);
    while (Ruhe.Naechster < Ruhe.Ablauf.size()) {
        const AttractState::Schritt step = Ruhe.Ablauf[Ruhe.Naechster++];
        if (!step.Tun()) {
            if (Program.RuhePhaseAktiv) RuhePhase();
            return;
        }
        if (step.WartenMs > 0) {
            Ruhe.SchrittTimer->SetInterval(step.WartenMs);
            Ruhe.SchrittTimer->SetEnabled(true);
            return;
        }
    }
    RuhePhase();
}
