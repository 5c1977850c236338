// SPDX-License-Identifier: GPL-3.0-or-later
// The attract mode between games: the shark throws a money picture across the scene, the
// ladders light up field by field and the clam opens and closes, until the machine is busy.
// The show runs as timed steps, so nothing waits inside it.
#include <array>

#include "machine/denominations.h"
#include "machine/form1.h"
#include "machine/ladder_fields.h"
#include "machine/menue_dlg.h"
#include "machine/scene_geometry.h"
#include "machine/scene_pictures.h"
#include "toolkit/random.h"

namespace {

using Steps = std::vector<AttractState::Step>;

// The shark shows itself this long before the money picture flies its steps.
constexpr int kSharkShownMs = 1000;
constexpr int kAttractFlightStepMs = 200;
// Each ladder field lights this long.
constexpr int kFieldLitMs = 100;
// The running light goes over each ladder three times.
constexpr int kLightRuns = 3;

bool Checkpoint(const TForm1& f) { return f.Game.RuhePhaseErlaubt && !f.Game.ProgrammBeenden; }

void ShowLook(TForm1& f, Ladder ladder, int field, FieldPicture LadderField::*look) {
    const LadderField& fl = FieldOf(ladder, field);
    ShowPicture(*(f.*fl.shown), *(f.*(fl.*look)));
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
    Add(s, kSharkShownMs, [&f] {
        MovingShark(f).Show();
        PlaceMoneyPictureAtStart(f);
        f.AuszahlungsImage->Show();
    });
    Add(s, 0, [&f] {
        MovingShark(f).Hide();
        f.AuszahlungsImage->SetTransparent(IsCoinPicture(*f.AuszahlungsImage));
    });
    for (int step = 1; step <= kMoneyFlightSteps; ++step) Add(s, kAttractFlightStepMs, [&f, step] { MoneyPictureFlightStep(f, step); });
    Add(s, 0, [&f] { f.AuszahlungsImage->Hide(); });
}

// A running light: each field lights for 100 ms and goes dark just before the next lights.
void AddRunningLight(Steps& s, TForm1& f, Ladder ladder) {
    for (int i = 0; i < kLadderFieldCount; ++i)
        Add(s, kFieldLitMs, [&f, ladder, i] {
            if (i > 0) ShowLook(f, ladder, i - 1, &LadderField::normal);
            ShowLook(f, ladder, i, &LadderField::yellow);
        });
    Add(s, 0, [&f, ladder] { ShowLook(f, ladder, kTopStep, &LadderField::normal); });
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
    f.Attract.StepTimer->SetEnabled(false);
    f.Attract.Pass.clear();
    // A deactivation has cleared the flag already.
    if (!f.Program.AnwendungInaktiv) f.Program.RuhePhaseAktiv = false;
}

bool ShowRunning(const TForm1& f) { return f.Attract.StepTimer && f.Attract.StepTimer->Enabled(); }

}  // namespace

void TForm1::PausenTimerTimer(TObject*) {
    // Not while the quit question shows: a show begun then would stop at once.
    if (Program.RuhePhaseAktiv || ShowRunning(*this) || !Game.RuhePhaseErlaubt || Game.ProgrammBeenden) return;
    RuhePhase();
}

// One pass: the loop's test, the flight, then the lights; the pass's last step starts the next.
void TForm1::RuhePhase() {
    if (!Attract.StepTimer) {
        Attract.StepTimer = new TTimer(this);
        Attract.StepTimer->SetEnabled(false);
        Attract.StepTimer->OnTimer = Handler(this, &TForm1::AttractShowStep);
    }
    if (!Game.RuhePhaseErlaubt || Program.AnwendungInaktiv) {
        EndShow(*this);
        return;
    }
    Program.RuhePhaseAktiv = true;
    Attract.Pass.clear();
    Attract.Next = 0;
    AddFlight(Attract.Pass, *this);
    // Answered with No, the quit question must leave the mode free to run again.
    Attract.Pass.push_back({[this] {
                               if (!Game.ProgrammBeenden) return true;
                               EndShow(*this);
                               Program.RuhePhaseAktiv = false;
                               return false;
                           },
                           0});
    BlinkeInPause();
    AttractShowStep(nullptr);
}

void TForm1::BlinkeInPause() {
    Steps& s = Attract.Pass;
    AddCheckpoint(s, *this);
    for (int i = 0; i < kLightRuns; ++i) {
        AddRunningLight(s, *this, Ladder::Left);
        AddCheckpoint(s, *this);
    }
    for (int i = 0; i < kLightRuns; ++i) {
        AddRunningLight(s, *this, Ladder::Right);
        AddCheckpoint(s, *this);
        AddClam(s, *this);
    }
    Add(s, 0, [this] {
        if (!MenueDlg) return;  // the money pictures are the menu's
        Randomize();
        const Denomination& d = kDenominations[static_cast<std::size_t>(Random(static_cast<int>(kDenominations.size())))];
        ShowPicture(*AuszahlungsImage, *(MenueDlg->*d.picture));
        AuszahlungsImage->SetTransparent(IsCoinPicture(*AuszahlungsImage));
    });
}

// A running light stopped halfway leaves no field lit.
void TForm1::StopAttractShow() {
    if (!ShowRunning(*this) && Attract.Pass.empty()) return;
    EndShow(*this);
    MovingShark(*this).Hide();
    AuszahlungsImage->Hide();
    for (Ladder ladder : kBothLadders)
        for (int field = 0; field < kLadderFieldCount; ++field) ShowLook(*this, ladder, field, &LadderField::normal);
}

// Runs steps until one has a wait; a failed checkpoint goes back to the loop's test.
void TForm1::AttractShowStep(TObject*) {
    Attract.StepTimer->SetEnabled(false);
    while (Attract.Next < Attract.Pass.size()) {
        const AttractState::Step step = Attract.Pass[Attract.Next++];
        if (!step.Run()) {
            if (Program.RuhePhaseAktiv) RuhePhase();
            return;
        }
        if (step.WaitMs > 0) {
            Attract.StepTimer->SetInterval(step.WaitMs);
            Attract.StepTimer->SetEnabled(true);
            return;
        }
    }
    RuhePhase();
}
