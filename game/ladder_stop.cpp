// SPDX-License-Identifier: GPL-3.0-or-later
// The ladder stop buttons: a stop on the lit step climbs and credits it, a stop on 00
// ends the ladder.
#include "game/ladder_sequence.h"
#include "game/scene_parts.h"

namespace {

constexpr int kBetweenSpecialGameCreditsMs = 1000;  // between the two ladders' ways of crediting
constexpr int kAfterTopStepMs = 100;                // from the top step's credit to the ladder's end
constexpr int kAfterStopMs = 1000;                  // from a stop on 00 to the ladder's end

// The left ladder credits its lowest step as "0,5" when it is caught.
std::string CaughtText(Ladder ladder, int step) {
    if (ladder == Ladder::Left && step == 1) return "0,5";
    return std::string(StepAmountText(ladder, step));
}

// Until the running ladder has credited its reel win, the reels' record locks its stops.
bool Locked(const GameState& g, Ladder ladder) {
    if (g.ReelWinCredited) return false;
    return StopLocked(g.BildAufWalze, ladder);
}

int LitStep(const GameState& g, Ladder ladder) {
    for (int step = 1; step <= kTopStep; ++step)
        if (g.StufeLeuchtet[LevelSlot(ladder, step)]) return step;
    return 0;
}

void EndLadder(TForm1& f, int pauseMs) {
    const LadderRun run = f.Game.LadderNumber;
    f.MachPause1->Pause(pauseMs);
    LadderOver(f, run);
}

// An ended ladder leaves no lamp lit, whichever button ended it: both 00 steps and every
// lit step go dark, and no lit step is left to catch.
void LampsOut(TForm1& f) {
    for (Ladder ladder : {Ladder::Left, Ladder::Right}) {
        ShowStepNormal(f, ladder, 0);
        for (int step = 1; step <= kTopStep; ++step) {
            bool& lit = f.Game.StufeLeuchtet[LevelSlot(ladder, step)];
            if (lit) ShowStepNormal(f, ladder, step);
            lit = false;
        }
    }
}

// Special games: the left ladder credits first and waits, the right one waits first.
void CreditSpecialGames(TForm1& f, Ladder ladder, int step) {
    const std::string text(StepAmountText(ladder, step));
    if (ladder == Ladder::Left) f.AddiereSonderspiele(text);
    f.MachPause1->Pause(kBetweenSpecialGameCreditsMs);
    if (step == kTopStep) f.ClamAnimation();
    if (ladder == Ladder::Right) f.AddiereSonderspiele(text);
}

// False when a later ladder replaced this one while the step was credited.
bool CatchStep(TForm1& f, Ladder ladder, int step) {
    GameState& g = f.Game;
    const LadderRun run = g.LadderNumber;
    g.StoppAufNull = false;
    SetLadderLevel(g, ladder, step);
    f.Play->StepCaught(ladder, step);
    if (IsMoneyStep(step))
        f.AddiereGewinn(CaughtText(ladder, step));
    else
        CreditSpecialGames(f, ladder, step);
    if (!LadderStillCurrent(g, run)) return false;
    ShowStepNormal(f, ladder, step);
    g.StufeLeuchtet[LevelSlot(ladder, step)] = false;
    if (step < kTopStep) {
        f.GewinnLeiste00Timer->SetEnabled(true);
        return true;
    }
    // The top: the ladder is over.
    SetLadderLevel(g, ladder, 0);
    f.GewinnLeiste00Timer->SetEnabled(false);
    ShowStepNormal(f, ladder, 0);
    EndLadder(f, kAfterTopStepMs);
    return true;
}

void Stop(TForm1& f, Ladder ladder) {
    GameState& g = f.Game;
    g.StoppAufNull = true;
    g.LeiterTakt = 0;
    f.GewinnLeiste00Timer->SetEnabled(false);
    f.GewinnLeisteTimer2->SetEnabled(false);
    if (const int lit = LitStep(g, ladder))
        if (!CatchStep(f, ladder, lit)) return;
    ShowStepNormal(f, ladder, 0);
    if (!g.StoppAufNull) return;
    SetLadderLevel(g, ladder, 0);
    LampsOut(f);
    EndLadder(f, kAfterStopMs);
}

}  // namespace

// A player's click comes through the gate: during the risk game it moves the focus, while the
// reel win is uncredited it does nothing, and while a sequence of the ladder runs it waits.
void PressLadderStop(TForm1& f, Ladder ladder) {
    GameState& g = f.Game;
    if (Locked(g, ladder)) return;
    const LadderRun run = BeginLadderSequence(g);
    Stop(f, ladder);
    EndLadderSequence(f, run);
}

void TForm1::StopBtn1Click(TObject*) { PressLadderStop(*this, Ladder::Left); }
void TForm1::StopBtn2Click(TObject*) { PressLadderStop(*this, Ladder::Right); }

void TForm1::ClamAnimation() {
    for (int i = 0; i < kClamOpenings; ++i)
        for (const ClamFrame& frame : kClamOpening) {
            MachPause1->Pause(frame.waitMs);
            ShowClamFrame(*this, frame);
        }
}
