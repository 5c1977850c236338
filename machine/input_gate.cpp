// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/input_gate.h"

#include <algorithm>
#include <utility>

#include "machine/form1.h"
#include "toolkit/application.h"

namespace {

struct Row {
    Input input;
    std::string_view name;
    // One letter per state, in the order of Stage: a acts, d waits, f moves the focus, - drops.
    // R = at rest, S = reels spinning, W = reels await their evaluation, U = a ladder's reel win
    // is uncredited, L = a ladder runs, K = the risk game, C = a ladder's sequence credits or
    // ends, D = a deposit sinks, P = the payout, M = a modal box, Q = the quit.
    std::string_view cells;
};

// clang-format off
constexpr Row kTable[] = {
    //                                              RSWULKCDPMQ
    {Input::StartBtn,          "Start",            "a---a------"},
    {Input::StopWalzenBtn,     "Walzenstop",       "aaaaaaaa---"},
    {Input::StopBtn1,          "Stop links",       "aaa-afda---"},
    {Input::StopBtn2,          "Stop rechts",      "aaa-afda---"},
    {Input::MenueBtn,          "Menü",             "a------a---"},
    {Input::HilfeBtn,          "Hilfe",            "aaaaaaaaa--"},
    {Input::Flagge,            "Flagge",           "aaaaaaaaa--"},
    {Input::Escape,            "Esc",              "aaaaaaaa---"},
    {Input::F2,                "F2",               "aaaaaaaa---"},
    {Input::Close,             "Schließen",        "aaaaaaaaaaa"},
    {Input::Deposit,           "Einzahlung",       "a------a---"},
    {Input::MenuOk,            "Ok",               "aaaaaaaa---"},
    {Input::Payout,            "Auszahlung",       "a----------"},
    {Input::RiskSwitch,        "Risikospiel",      "aaaaaaaa---"},
    {Input::AutoStartSwitch,   "Automatik",        "aaaaaaaa---"},
    {Input::SoundSwitch,       "Geräusche",        "aaaaaaaa---"},
    {Input::LogSwitch,         "Auswertung",       "aaaaaaaa---"},
    {Input::MenuHelp,          "Menü-Hilfe",       "aaaaaaaa---"},
    {Input::MenuQuit,          "Programm beenden", "aaaaaaaa---"},
    {Input::Statistics,        "Statistik",        "aaaaaaaa---"},
    {Input::NameOk,            "Name OK",          "aaaaaaaa-a-"},
    {Input::NameTakeOver,      "Name übernehmen",  "aaaaaaaa-a-"},
    {Input::ReelTimer,         "Walzentakt",       "aaaaaaaaaaa"},
    {Input::LadderTimer,       "Leitertakt",       "aaaaaaaa-aa"},
    {Input::Clock,             "Uhr",              "aaaaaaaaaaa"},
    {Input::Shark,             "Hai",              "aaaaaaaaaaa"},
    {Input::AttractShow,       "Ruhephase",        "a--------a-"},
    {Input::ResolutionChange,  "Auflösung",        "aaaaaaaa-a-"},
    {Input::AutoStartStep,     "Autostart",        "a----------"},
    {Input::Reminder,          "Erinnerung",       "a----------"},
};
// clang-format on

constexpr std::string_view kStageNames[] = {
    "Ruhe", "Walzen drehen", "Auswertung steht aus", "Walzengewinn offen", "Leiter läuft", "Risikospiel",
    "Gutschrift", "Einzahlung sinkt", "Auszahlung", "Meldung offen", "Beenden",
};

static_assert(std::size(kTable) == kInputCount);
static_assert(std::size(kStageNames) == kStageCount);
static_assert([] {
    for (int i = 0; i < kInputCount; ++i)
        if (kTable[i].input != static_cast<Input>(i) || kTable[i].cells.size() != kStageCount) return false;
    return true;
}());

Verdict FromLetter(char c) {
    switch (c) {
        case 'a': return Verdict::Act;
        case 'd': return Verdict::Defer;
        case 'f': return Verdict::Focus;
        default: return Verdict::Drop;
    }
}

bool AnyReelTurns(const TForm1& f) { return f.Timer1->Enabled() || f.Timer2->Enabled() || f.Timer3->Enabled(); }

}  // namespace

std::string_view InputName(Input input) { return kTable[static_cast<int>(input)].name; }
std::string_view StageName(Stage stage) { return kStageNames[static_cast<int>(stage)]; }

Verdict Cell(Stage stage, Input input) {
    return FromLetter(kTable[static_cast<int>(input)].cells[static_cast<std::size_t>(stage)]);
}

Verdict VerdictFor(StageSet stages, Input input) {
    Verdict strictest = Verdict::Act;
    for (int s = 0; s < kStageCount; ++s)
        if (stages & StageBit(static_cast<Stage>(s))) strictest = std::max(strictest, Cell(static_cast<Stage>(s), input));
    return strictest;
}

StageSet InputGate::Stages() const {
    const TForm1& f = form_;
    const GameState& g = f.Game;
    StageSet s = 0;
    if (AnyReelTurns(f))
        s |= StageBit(Stage::ReelsSpinning);
    else if (g.ReelsRunning)
        s |= StageBit(Stage::ReelsAwaitEvaluation);
    if (g.LadderRunning) s |= StageBit(g.ReelWinCredited ? Stage::LadderRunning : Stage::LadderUncredited);
    if (g.RisikoLaeuft) s |= StageBit(Stage::RiskGame);
    if (g.LadderRunning && g.LadderSequences > 0) s |= StageBit(Stage::Crediting);
    if (f.Money.DepositsSinking() > 0) s |= StageBit(Stage::DepositSinking);
    if (f.Money.GetState() == Ledger::State::Payout) s |= StageBit(Stage::Payout);
    if (Application && Application->ModalForm()) s |= StageBit(Stage::ModalBox);
    if (g.ProgrammBeenden || f.Money.GetState() == Ledger::State::Closed) s |= StageBit(Stage::Quitting);
    return s ? s : StageBit(Stage::AtRest);
}

bool InputGate::Run(Input input, const std::function<void()>& handler) {
    const StageSet stages = Stages();
    const Verdict verdict = VerdictFor(stages, input);
    if (OnAsked) OnAsked({input, stages, verdict});
    if (OnlyAsk) return false;
    switch (verdict) {
        case Verdict::Act:
            handler();
            return true;
        case Verdict::Defer:
            // A second click while the first waits changes nothing.
            if (std::none_of(deferred_.begin(), deferred_.end(), [&](const Waiting& w) { return w.input == input; }))
                deferred_.push_back({input, form_.Game.LadderNumber, handler});
            return false;
        case Verdict::Focus:
            form_.StopWalzenBtn->SetFocus();
            return false;
        case Verdict::Drop:
            return false;
    }
    return false;
}

void InputGate::RunDeferred() {
    std::vector<Waiting> waiting = std::exchange(deferred_, {});
    for (Waiting& w : waiting)
        if (form_.Game.LadderRunning && form_.Game.LadderNumber == w.ladder) Run(w.input, w.handler);
}
