// The ladder stop buttons: a stop on the lit step climbs and credits it, a stop on 00
// ends the ladder. Clicks accepted while a credit runs wait until it has finished.
#include "game/scene_parts.h"

namespace {

// The left ladder credits its lowest step as "0,5" when it is caught.
std::string CaughtText(Ladder ladder, int step) {
    if (ladder == Ladder::Left && step == 1) return "0,5";
    return std::string(StepAmountText(ladder, step));
}

bool Locked(const GameState& g, Ladder ladder) {
    return ladder == Ladder::Left ? LeftStopLocked(g.BildAufWalze) : RightStopLocked(g.BildAufWalze);
}

int LitStep(const GameState& g, Ladder ladder) {
    for (int step = 1; step <= kTopStep; ++step)
        if (g.StufeLeuchtet[StepIndex(ladder, step)]) return step;
    return 0;
}

void EndLadder(TForm1& f, int pauseMs) {
    f.MachPause1->Pause(pauseMs);
    f.Game.SpielLaeuft = false;
    f.AutoStartAnfordern();
}

// Special games: the left ladder credits first and waits, the right one waits first.
void CreditSpecialGames(TForm1& f, Ladder ladder, int step) {
    const std::string text(StepAmountText(ladder, step));
    if (ladder == Ladder::Left) f.AddiereSonderspiele(text);
    f.MachPause1->Pause(1000);
    if (step == kTopStep) f.MuschelAnimation();
    if (ladder == Ladder::Right) f.AddiereSonderspiele(text);
}

void CatchStep(TForm1& f, Ladder ladder, int step) {
    GameState& g = f.Game;
    g.StoppAufNull = false;
    SetLadderLevel(g, ladder, step);
    f.Play->StepCaught(static_cast<int>(ladder), step);
    if (IsMoneyStep(step))
        f.AddiereGewinn(CaughtText(ladder, step));
    else
        CreditSpecialGames(f, ladder, step);
    ShowStepNormal(f, ladder, step);
    g.StufeLeuchtet[StepIndex(ladder, step)] = false;
    if (step < kTopStep) {
        f.GewinnLeiste00Timer->SetEnabled(true);
        return;
    }
    // The top: the ladder is over.
    SetLadderLevel(g, ladder, 0);
    f.GewinnLeiste00Timer->SetEnabled(false);
    ShowStepNormal(f, ladder, 0);
    EndLadder(f, 100);
}

void Stop(TForm1& f, Ladder ladder) {
    GameState& g = f.Game;
    g.StoppAufNull = true;
    g.LeiterTakt = 0;
    f.GewinnLeiste00Timer->SetEnabled(false);
    f.GewinnLeisteTimer2->SetEnabled(false);
    if (const int lit = LitStep(g, ladder)) CatchStep(f, ladder, lit);
    ShowStepNormal(f, ladder, 0);
    if (!g.StoppAufNull) return;
    SetLadderLevel(g, ladder, 0);
    EndLadder(f, 1000);
}

// Sender is the button for a player's click; the ladder's own stop passes none.
void StopClicked(TForm1& f, Ladder ladder, TObject* sender) {
    GameState& g = f.Game;
    if (g.RisikoLaeuft) {
        f.StopWalzenBtn->SetFocus();
        return;
    }
    if (Locked(g, ladder)) return;
    if (sender && g.LeiterSequenzen > 0) {
        g.StoppWartet[ladder == Ladder::Left ? 0 : 1] = true;
        return;
    }
    ++g.LeiterSequenzen;
    Stop(f, ladder);
    f.LeiterSequenzBeendet();
}

}  // namespace

void TForm1::StopBtn1Click(TObject* Sender) { StopClicked(*this, Ladder::Left, Sender); }
void TForm1::StopBtn2Click(TObject* Sender) { StopClicked(*this, Ladder::Right, Sender); }

void TForm1::LeiterSequenzBeendet() {
    if (--Game.LeiterSequenzen > 0) return;
    for (int i = 0; i < 2; ++i) {
        if (!Game.StoppWartet[i]) continue;
        Game.StoppWartet[i] = false;
        (this->*(i == 0 ? &TForm1::StopBtn1Click : &TForm1::StopBtn2Click))(nullptr);
    }
}

void TForm1::MuschelAnimation() {
    for (int i = 0; i < 3; ++i) {
        MachPause1->Pause(200);
        Muschel->Picture().Assign(Muschel_Halb_offen->Picture());
        MachPause1->Pause(100);
        Muschel->Picture().Assign(Muschel_Offen->Picture());
        MachPause1->Pause(100);
        Muschel->Picture().Assign(Muschel_Zu->Picture());
    }
}
