// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which input acts in which state of the machine: one table, asked by every input path (the
// buttons of the three windows, the keys, the timers, the queued autostart step, a change of
// the screen, a close). A handler bound through the gate runs only when the table lets it.
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

class TForm1;
class TObject;

enum class Input : int {
    // The main window.
    StartBtn, StopWalzenBtn, StopBtn1, StopBtn2, MenueBtn, HilfeBtn, Flagge,
    Escape, F2, Close,
    // The menu.
    Deposit, MenuOk, Payout, RiskSwitch, AutoStartSwitch, SoundSwitch, LogSwitch, MenuHelp, MenuQuit, Statistics,
    // The name dialog.
    NameOk, NameTakeOver,
    // Timers and calls from the loop.
    ReelTimer, LadderTimer, Clock, Shark, AttractShow, ResolutionChange, AutoStartStep, Reminder,
    Count
};

// The states the machine can be in; several hold at once (a ladder runs while a box is open).
enum class Stage : int {
    AtRest, ReelsSpinning, ReelsAwaitEvaluation, LadderUncredited, LadderRunning, RiskGame, Crediting,
    DepositSinking, Payout, ModalBox, Quitting,
    Count
};

// What an input does in a state. Where several states hold, the strictest verdict wins, in
// the order Drop, Focus, Defer, Act.
enum class Verdict : std::uint8_t {
    Act,    // the handler runs
    Defer,  // it runs when the ladder's running sequence has ended, if that ladder still runs
    Focus,  // the risk game's button takes the focus instead
    Drop,   // nothing happens
};

constexpr int kInputCount = static_cast<int>(Input::Count);
constexpr int kStageCount = static_cast<int>(Stage::Count);
using StageSet = std::uint32_t;
constexpr StageSet StageBit(Stage s) { return StageSet{1} << static_cast<int>(s); }

std::string_view InputName(Input input);
std::string_view StageName(Stage stage);
// The table's cell, and the verdict for a set of states.
Verdict Cell(Stage stage, Input input);
Verdict VerdictFor(StageSet stages, Input input);

class InputGate {
public:
    explicit InputGate(TForm1& form) : form_(form) {}

    // The states the machine is in now.
    StageSet Stages() const;
    Verdict Ask(Input input) const { return VerdictFor(Stages(), input); }
    // Runs `handler` when the gate lets `input` act now; true when it ran.
    bool Run(Input input, const std::function<void()>& handler);
    // Runs the deferred inputs once the running ladder's sequences have ended; those whose
    // ladder has ended meanwhile are dropped.
    void RunDeferred();

    // Every question asked, for the tests: the input, the states, the verdict.
    struct Asked {
        Input input;
        StageSet stages;
        Verdict verdict;
    };
    std::function<void(const Asked&)> OnAsked;
    // Tests that walk the table ask without acting: the verdict is told, nothing runs.
    bool OnlyAsk = false;

private:
    struct Waiting {
        Input input;
        int ladder;
        std::function<void()> handler;
    };

    TForm1& form_;
    std::vector<Waiting> deferred_;
};

// A handler of a component bound through the gate.
template <class Object>
std::function<void(TObject*)> Gated(InputGate& gate, Input input, Object* object, void (Object::*method)(TObject*)) {
    return [&gate, input, object, method](TObject* sender) {
        gate.Run(input, [object, method, sender] { (object->*method)(sender); });
    };
}
