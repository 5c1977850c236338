// SPDX-License-Identifier: GPL-3.0-or-later
// The win ladders: the reset, the 00 phase and the win phase that alternate, and the
// direct credit of the level the reels still show.
#include "game/ladder_sequence.h"
#include "game/scene_parts.h"
#include "machine/game_rules.h"
#include "toolkit/random.h"

namespace {

// The phases' first interval, and the random ones after: above the floor, below the bound.
constexpr int kFirstPhaseMs = 300;
constexpr int kZeroPhaseBound = 200, kZeroPhaseFloor = 100;
constexpr int kWinPhaseBound = 150, kWinPhaseFloor = 120;
// A direct credit blinks the level three times, each look shown this long.
constexpr int kCreditBlinks = 3, kCreditBlinkMs = 500;

bool Active(const GameState& g, Ladder ladder) { return g.*PartsOfLadder(ladder).active; }

// A whole number from low to 199 or 149: drawn below `bound` until it exceeds `floor`.
int RandomInterval(int bound, int floor) {
    int ms = Random(bound);
    while (ms <= floor) ms = Random(bound);
    return ms;
}

// The step the win phase lights: the one directly above the level.
int StepAbove(int level) { return level + 1; }

// The steps that the 00 phase turns back to normal, for each level 0..6 (0 ends a row).
constexpr int kDarkenedInZeroPhase[7][3] = {{2, 1, 0}, {2, 0, 0}, {3, 1, 0}, {4, 2, 1},
                                            {5, 2, 1}, {6, 2, 1}, {2, 1, 0}};

void ZeroPhase(TForm1& f, Ladder ladder, LadderRun run) {
    GameState& g = f.Game;
    if (g.LeiterTakt == kOwnCatchPhase && Random(kOwnCatchChance) == 0) {
        PressLadderStop(f, ladder);
        // A caught top step has ended the ladder: it stays ended.
        if (!f.GewinnLeiste00Timer->Enabled() || !LadderStillCurrent(g, run)) return;
    }
    for (int step : kDarkenedInZeroPhase[LadderLevel(g, ladder)]) {
        if (step == 0) break;
        ShowStepNormal(f, ladder, step);
        g.StufeLeuchtet[LevelSlot(ladder, step)] = false;
    }
    ShowStepLit(f, ladder, 0);
}

void CreditDirectly(TForm1& f, Ladder ladder, int level) {
    const LadderRun run = f.Game.LadderNumber;
    f.GewinnLeiste00Timer->SetEnabled(false);
    f.GewinnLeisteTimer2->SetEnabled(false);
    for (int i = 0; i < kCreditBlinks; ++i) {
        ShowStepLit(f, ladder, level);
        f.MachPause1->Pause(kCreditBlinkMs);
        ShowStepNormal(f, ladder, level);
        f.MachPause1->Pause(kCreditBlinkMs);
    }
    f.LabelBetrag->SetCaption("");
    ClearCreditedLevel(f.Game.BildAufWalze, ladder, level);
    f.Game.ReelWinCredited = true;
    const std::string text(StepAmountText(ladder, level));
    if (IsMoneyStep(level))
        f.AddiereGewinn(text);
    else
        f.AddiereSonderspiele(text);
    if (!LadderStillCurrent(f.Game, run)) return;
    TBitBtn& stop = StopButton(f, ladder);
    stop.SetFocus();
    SetGlyph(stop, *f.StopAktImage);
}

void WinPhase(TForm1& f, Ladder ladder) {
    GameState& g = f.Game;
    StopButton(f, ladder).SetFocus();
    ShowStepNormal(f, ladder, 0);
    const int level = LadderLevel(g, ladder);
    if (level == kTopStep) return;
    if (level > 0 && ShowsCombinationOfLevel(g.BildAufWalze, ladder, level)) {
        CreditDirectly(f, ladder, level);
        return;
    }
    ShowStepLit(f, ladder, StepAbove(level));
    g.StufeLeuchtet[LevelSlot(ladder, StepAbove(level))] = true;
}

void EndUnanswered(TForm1& f) {
    f.Game.LeiterTakt = 0;
    f.GewinnLeiste00Timer->SetEnabled(false);
    f.GewinnLeisteTimer2->SetEnabled(false);
    ShowStepNormal(f, Ladder::Left, 0);
    ShowStepNormal(f, Ladder::Right, 0);
    LadderOver(f, f.Game.LadderNumber);
}

}  // namespace

void TForm1::ClearLeisten() {
    if (Game.RisikospielEin) ImageRisiko->Show();
    for (TControl* c : std::initializer_list<TControl*>{Image2mal, Image1mal, Image0mal, LabelBetrag}) c->Hide();
    Game.RuhePhaseErlaubt = false;
    GewinnLeiste00Timer->SetInterval(kFirstPhaseMs);
    GewinnLeisteTimer2->SetInterval(kFirstPhaseMs);
    Randomize();
    Game.LeiterTakt = 0;
    Game.StufeErreicht.fill(false);
    Game.StufeLeuchtet.fill(false);
    for (Ladder ladder : kBothLadders)
        for (int step = 1; step <= kTopStep; ++step) ShowStepNormal(*this, ladder, step);
}

void TForm1::GewinnLeiste00TimerTimer(TObject*) {
    Game.SpielLaeuft = true;
    GewinnLeiste00Timer->SetInterval(RandomInterval(kZeroPhaseBound, kZeroPhaseFloor));
    ++Game.LeiterTakt;
    const LadderRun run = BeginLadderSequence(Game);
    for (Ladder ladder : kBothLadders)
        if (Active(Game, ladder)) ZeroPhase(*this, ladder, run);
    // A caught top step has ended the ladder, and a later ladder has phases of its own.
    if (GewinnLeiste00Timer->Enabled() && LadderStillCurrent(Game, run)) {
        GewinnLeisteTimer2->SetEnabled(true);
        GewinnLeiste00Timer->SetEnabled(false);
    }
    EndLadderSequence(*this, run);
}

void TForm1::GewinnLeisteTimer2Timer(TObject*) {
    GewinnLeisteTimer2->SetInterval(RandomInterval(kWinPhaseBound, kWinPhaseFloor));
    if (Game.LeiterTakt >= kLastZeroPhase) {
        EndUnanswered(*this);
        return;
    }
    const LadderRun run = BeginLadderSequence(Game);
    for (Ladder ladder : kBothLadders)
        if (Active(Game, ladder)) WinPhase(*this, ladder);
    if (LadderStillCurrent(Game, run)) {
        GewinnLeiste00Timer->SetEnabled(true);
        GewinnLeisteTimer2->SetEnabled(false);
    }
    EndLadderSequence(*this, run);
}
