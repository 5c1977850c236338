// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: one GUI thread, its windows, timers, queued calls and clock.
// Everything is dispatched from here; waiting blocks in the backend until the next
// input event or the next due timer.
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/clock.h"
#include "toolkit/component.h"
#include "toolkit/random.h"

class TForm;
class TTimer;
class TControl;

// Thrown by Halt to end the process's work at once: it unwinds every handler and
// nested loop up to Run, which returns; the forms are then destroyed as usual.
struct HaltRequest {
    int exitCode = 0;
};

class TApplication : public TComponent {
public:
    TApplication(std::unique_ptr<Backend> backend, std::unique_ptr<Clock> clock);
    ~TApplication() override;

    Backend& Backend_() { return *backend_; }
    Clock& GetClock() { return *clock_; }
    RandomGenerator& Rng() { return rng_; }
    std::string Title = "Tresolo";

    // Creates a form, sets `ref` to it before its create event runs, and runs it.
    template <class T, class... Args>
    T* CreateForm(T*& ref, Args&&... args) {
        ref = new T(this, std::forward<Args>(args)...);
        DoCreateForm(ref);
        return ref;
    }
    bool FormHasFocus(const TForm* f) const;
    TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    const std::vector<TForm*>& Forms() const { return forms_; }
    // Frees a form (its destroy event runs first).
    void FreeForm(TForm* form);

    void Run();
    // Runs the loop until the clock reaches `us` (for tests and tools).
    void RunUntil(std::int64_t us);
    // The two calls a handler's own loop (a pause, a modal box) is made of. Once the
    // program is asked to stop, they throw HaltRequest inside a handler, so that no
    // sequence waits on for something that will not come.
    void ProcessMessages();
    // Dispatches one pending message, or waits for the next one when none is pending.
    void HandleMessage();
    // Blocks for ms milliseconds of the application's clock without dispatching anything,
    // as a beep does.
    void Sleep(int ms) {
        if (ms > 0) clock_->Sleep(std::int64_t{ms} * 1000);
    }
    // Asks the program to stop: the outermost loop ends, and the handlers that run are
    // unwound as Halt unwinds them, whatever they wait for.
    void Terminate() { terminated_ = true; backend_->Wake(); }
    bool Terminated() const { return terminated_; }
    [[noreturn]] void Halt(int exitCode = 0);

    bool Active() const { return active_; }
    TNotifyEvent OnActivate, OnDeactivate;
    // Called for every exception that escapes a handler, before the error box shows.
    std::function<void(const std::string&)> OnException;
    void ShowException(const std::exception& e);
    // Called with caption and text whenever a message box opens.
    std::function<void(const std::string&, const std::string&)> OnMessageBox;
    // Called when the window system goes away under the program (the display ended, or a
    // window was destroyed from outside): it keeps what must not be lost and tells why.
    // It must not touch a window; the process ends with exit code 1 when it returns.
    std::function<void()> OnDisplayLost;

    // Runs `fn` from the loop later, outside the current call chain.
    void QueueCall(std::function<void()> fn);
    // Runs `fn` later from the outermost loop only, when no handler is running: a chain of
    // such calls never nests one link inside the one before it.
    void QueueOuterCall(std::function<void()> fn) {
        outerQueued_.push_back(std::move(fn));
        backend_->Wake();
    }
    // Runs `fn` on this thread from the outermost loop, as QueueOuterCall does, for a call
    // that comes from another thread. A call that comes after the application ended is dropped.
    static void QueueFromThread(std::function<void()> fn);
    // How many handlers are running, one inside another's nested loop.
    int HandlerDepth() const { return handlerDepth_; }

    // Registration, used by the components themselves.
    void AddForm(TForm* f);
    void RemoveForm(TForm* f);
    void AddTimer(TTimer* t) { timers_.push_back(t); }
    void RemoveTimer(TTimer* t);
    void PushModal(TForm* f) { modal_.push_back(f); }
    void PopModal() { modal_.pop_back(); }
    TForm* ModalForm() const { return modal_.empty() ? nullptr : modal_.back(); }
    void FormFocusChanged(TForm* f, bool focused);

    // Hints: how long the pointer must rest on a control before its hint shows.
    std::int64_t HintPauseUs = 500000;
    std::int64_t HintHideUs = 5000000;

private:
    void DoCreateForm(TForm* f);
    void UnwindWhenStopping() const;
    bool ProcessOne(unsigned round);
    void TakeCallsFromThreads();
    void Dispatch(const InputEvent& ev);
    bool FireDueTimer(unsigned round);
    bool ComposeForms();
    bool CheckActivation();
    void WaitMessage();
    std::int64_t NextDeadline() const;
    void TrackHover(TForm* form, TControl* control, TPoint at);
    bool UpdateHint();
    template <class F>
    void Guarded(F&& f);

    std::unique_ptr<Backend> backend_;
    std::unique_ptr<Clock> clock_;
    RandomGenerator rng_;
    std::vector<TForm*> forms_;
    std::vector<TTimer*> timers_;
    std::vector<TForm*> modal_;
    std::deque<std::function<void()>> queued_;
    std::deque<std::function<void()>> outerQueued_;
    int handlerDepth_ = 0;
    std::vector<TForm*> focusedForms_;
    bool active_ = false;
    bool terminated_ = false;
    int exitCode_ = 0;
    unsigned round_ = 0;
    // Hint tracking.
    TForm* hoverForm_ = nullptr;
    TControl* hoverControl_ = nullptr;
    TPoint hoverAt_;
    std::int64_t hoverSince_ = 0;
    bool hintShown_ = false;
};

extern TApplication* Application;
