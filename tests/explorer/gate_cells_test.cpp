// SPDX-License-Identifier: GPL-3.0-or-later
// The gate's table walked cell by cell: the machine is brought into each of its states by
// real play, and every input is sent down its own path there (the button's bound click, the
// key, the timer's tick, the menu's and the name dialog's buttons). Each must ask the gate,
// the gate must see the state the play has reached, and answer as the table says.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "machine/input_gate.h"
#include "machine/name_dlg.h"
#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

StageSet Set(std::initializer_list<Stage> stages) {
    StageSet s = 0;
    for (Stage st : stages) s |= StageBit(st);
    return s;
}

void Click(TControl* c) { c->OnClick(c); }
void Tick(TTimer* t) { t->OnTimer(t); }
void Press(TForm1& f, Word key) {
    Word k = key;
    f.OnKeyDown(&f, k, 0);
}

// Sends `input` down its path. The autostart step and the reminder are asked from the loop
// and from the end of a game; here they are asked as those places ask.
void Send(TForm1& f, Input input) {
    TMenueDlg& m = *MenueDlg;
    switch (input) {
        case Input::StartBtn: return Click(f.StartBtn);
        case Input::StopWalzenBtn: return Click(f.StopWalzenBtn);
        case Input::StopBtn1: return Click(f.StopBtn1);
        case Input::StopBtn2: return Click(f.StopBtn2);
        case Input::MenueBtn: return Click(f.MenueBtn);
        case Input::HilfeBtn: return Click(f.HilfeBtn);
        case Input::Flagge: return Click(f.Flagge);
        case Input::Escape: return Press(f, VK_ESCAPE);
        case Input::F2: return Press(f, VK_F2);
        case Input::Close: {
            TCloseAction action = caHide;
            return f.OnClose(&f, action);
        }
        case Input::Deposit: return Click(m.Button_5_Euro);
        case Input::MenuOk: return Click(m.CancelBtn);
        case Input::Payout: return Click(m.ButtonGibsGeldHer);
        case Input::RiskSwitch: return Click(m.ButtonRisiko);
        case Input::AutoStartSwitch: return Click(m.AutoStartCheckBox);
        case Input::SoundSwitch: return Click(m.PC_LautsprHoeren);
        case Input::LogSwitch: return Click(m.LogDateiSpeichern);
        case Input::MenuHelp: return Click(m.Button1);
        case Input::MenuQuit: return Click(m.Button2);
        case Input::Statistics: return Click(dynamic_cast<TControl*>(m.FindComponent("StatistikBtn")));
        case Input::NameOk: return Click(NameEingabeDlg->OKBtn);
        case Input::NameTakeOver: return Click(NameEingabeDlg->Button1);
        case Input::ReelTimer: return Tick(f.Timer1);
        case Input::LadderTimer: return Tick(f.GewinnLeiste00Timer);
        case Input::Clock: return Tick(f.UhrzeitTimer);
        case Input::Shark: return Tick(f.Timer4);
        case Input::AttractShow: return Tick(f.PausenTimer);
        case Input::ResolutionChange: return Tick(f.AufloesungsTimer);
        case Input::AutoStartStep:
        case Input::Reminder:
            f.Gate.Run(input, [] {});
            return;
        case Input::Count: return;
    }
}

// At the moment of the check, every input is sent; each must have asked the gate once, in
// the states expected, and got the table's verdict for them.
void WalkInputs(TForm1& f, StageSet expected) {
    ASSERT_EQ(f.Gate.Stages(), expected);
    std::map<Input, InputGate::Asked> asked;
    f.Gate.OnAsked = [&](const InputGate::Asked& a) { asked.emplace(a.input, a); };
    f.Gate.OnlyAsk = true;
    for (int i = 0; i < kInputCount; ++i) Send(f, static_cast<Input>(i));
    f.Gate.OnlyAsk = false;
    f.Gate.OnAsked = nullptr;
    for (int i = 0; i < kInputCount; ++i) {
        const Input input = static_cast<Input>(i);
        SCOPED_TRACE(std::string(InputName(input)));
        const auto it = asked.find(input);
        ASSERT_NE(it, asked.end()) << "the input's path does not ask the gate";
        EXPECT_EQ(it->second.stages, expected);
        EXPECT_EQ(it->second.verdict, VerdictFor(expected, input));
    }
}

struct Recipe {
    const char* name;
    std::function<void(PlayedGame&, std::function<void()>)> reach;  // calls its argument there
    StageSet stages;
};

// A manual game of three 50s (left 0,50): evaluated at 9800 ms, its reel win blinking from
// 10400, credited at 13400 (risk off: the credit's pause until 15900; risk on: the risk game).
void FiftyCent(PlayedGame& g, bool risk, int atMs, std::function<void()> check) {
    g.f->Game.ErsterMenueAufruf = false;
    g.PrepareGame(W::W7, W::W7, W::W7, risk);
    g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
    g.SteadyLadders();
    g.NoAutomaticCatch();
    g.Rng().ScriptFor(60, 30);  // the risk game blinks long
    g.Click(*g.f->StartBtn);
    g.At(atMs, std::move(check));
}

void AtRestWithMenu(PlayedGame& g) {
    g.f->Game.ErsterMenueAufruf = false;
    g.SetCredit("5,00");
}

const Recipe kRecipes[] = {
    {"Ruhe", [](PlayedGame& g, auto check) { AtRestWithMenu(g); g.At(10, check); }, Set({Stage::AtRest})},
    {"Walzen drehen",
     [](PlayedGame& g, auto check) {
         g.PrepareGame(W::W1, W::W3, W::W5);
         g.Click(*g.f->StartBtn);
         g.At(1000, check);
     },
     Set({Stage::ReelsSpinning})},
    {"Auswertung steht aus",
     [](PlayedGame& g, auto check) {
         g.PrepareGame(W::W1, W::W3, W::W5);
         g.Click(*g.f->StartBtn);
         g.At(9300, check);
     },
     Set({Stage::ReelsAwaitEvaluation})},
    {"Walzengewinn offen", [](PlayedGame& g, auto check) { FiftyCent(g, false, 9900, check); },
     Set({Stage::LadderUncredited})},
    {"Gutschrift", [](PlayedGame& g, auto check) { FiftyCent(g, false, 14000, check); },
     Set({Stage::LadderRunning, Stage::Crediting})},
    {"Risikospiel", [](PlayedGame& g, auto check) { FiftyCent(g, true, 13450, check); },
     Set({Stage::LadderRunning, Stage::Crediting, Stage::RiskGame})},
    {"Leiter läuft", [](PlayedGame& g, auto check) { FiftyCent(g, false, 17003, check); },
     Set({Stage::LadderRunning})},
    {"Einzahlung sinkt",
     [](PlayedGame& g, auto check) {
         AtRestWithMenu(g);
         g.Click(*g.f->MenueBtn);
         g.At(50, [&g] { g.Click(*MenueDlg->Button_5_Euro); });
         g.At(300, check);
     },
     Set({Stage::DepositSinking})},
    {"Auszahlung",
     [](PlayedGame& g, auto check) {
         AtRestWithMenu(g);
         g.Click(*g.f->MenueBtn);
         g.At(50, [&g] { g.Click(*MenueDlg->ButtonGibsGeldHer); });
         g.At(500, [&g, check] {
             check();
             g.AnswerEveryBox(100);  // the settlement's and the result's boxes
         });
     },
     Set({Stage::Payout})},
    {"Meldung offen",
     [](PlayedGame& g, auto check) {
         AtRestWithMenu(g);
         g.Key(VK_F2);
         g.At(100, check);
         g.At(200, [&g] { g.Key(VK_ESCAPE); });
     },
     Set({Stage::ModalBox})},
    {"Beenden",
     [](PlayedGame& g, auto check) {
         AtRestWithMenu(g);
         g.Key(VK_ESCAPE);
         g.At(100, check);
         g.At(200, [&g] { g.Key('N'); });
     },
     Set({Stage::ModalBox, Stage::Quitting})},
};

TEST(GateCells, EveryInputAsksTheGateInEveryState) {
    StageSet walked = 0;
    for (const Recipe& r : kRecipes) {
        SCOPED_TRACE(r.name);
        PlayedGame g;
        bool checked = false;
        r.reach(g, [&] {
            WalkInputs(*g.f, r.stages);
            checked = true;
        });
        g.Run(20000);
        EXPECT_TRUE(checked);
        walked |= r.stages;
    }
    EXPECT_EQ(walked, (StageSet{1} << kStageCount) - 1) << "a state no recipe reaches";
}

// Where several states hold, the strictest verdict wins: a stop during the risk game inside
// a credit moves the focus, while the reel win is uncredited it does nothing.
TEST(GateCells, TheStrictestStateDecides) {
    const StageSet riskInCredit = Set({Stage::LadderRunning, Stage::Crediting, Stage::RiskGame});
    EXPECT_EQ(VerdictFor(riskInCredit, Input::StopBtn1), Verdict::Focus);
    EXPECT_EQ(VerdictFor(Set({Stage::LadderRunning, Stage::Crediting}), Input::StopBtn2), Verdict::Defer);
    EXPECT_EQ(VerdictFor(Set({Stage::LadderUncredited, Stage::Crediting}), Input::StopBtn1), Verdict::Drop);
    EXPECT_EQ(VerdictFor(Set({Stage::DepositSinking}), Input::Deposit), Verdict::Act);
    EXPECT_EQ(VerdictFor(Set({Stage::DepositSinking, Stage::Payout}), Input::Deposit), Verdict::Drop);
}

// The catalogue in docs/ shows the table as the code has it.
TEST(GateCells, TheCatalogueShowsTheTable) {
    std::ostringstream table;
    table << "| Input | R | S | W | U | L | K | C | D | P | M | Q |\n|---|";
    for (int s = 0; s < kStageCount; ++s) table << "---|";
    table << '\n';
    constexpr char kLetter[] = {'a', 'd', 'f', '-'};
    for (int i = 0; i < kInputCount; ++i) {
        table << "| " << InputName(static_cast<Input>(i)) << " |";
        for (int s = 0; s < kStageCount; ++s)
            table << ' ' << kLetter[static_cast<int>(Cell(static_cast<Stage>(s), static_cast<Input>(i)))] << " |";
        table << '\n';
    }
    std::ifstream in(std::string(TRESOLO_SOURCE_DIR) + "/docs/gate-and-ledger.md");
    std::stringstream doc;
    doc << in.rdbuf();
    const std::string text = doc.str();
    const std::size_t from = text.find("| Input | R |"), to = text.find("<!-- end of gate table -->");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(text.substr(from, to - from), table.str());
}

}  // namespace
