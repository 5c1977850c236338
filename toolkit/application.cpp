// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/application.h"

#include <algorithm>
#include <atomic>
#include <iostream>
#include <limits>
#include <mutex>

#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

TApplication* Application = nullptr;

namespace {
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

// Calls handed over by other threads. Never destroyed, so that a thread that ends after the
// program's last object still finds it.
struct ThreadCalls {
    std::mutex mutex;
    std::vector<std::function<void()>> calls;
    std::atomic<bool> pending{false};  // read by the loop without the lock
};

ThreadCalls& CallsFromThreads() {
    static auto* calls = new ThreadCalls;
    return *calls;
}
}  // namespace

TApplication::TApplication(std::unique_ptr<Backend> backend, std::unique_ptr<Clock> clock)
    : TComponent(nullptr), backend_(std::move(backend)), clock_(std::move(clock)) {
    Application = this;
}

TApplication::~TApplication() {
    // Forms are destroyed last-created first; each one's destroy event runs before.
    while (!forms_.empty()) FreeForm(forms_.back());
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    std::lock_guard lock(CallsFromThreads().mutex);
    CallsFromThreads().calls.clear();
    CallsFromThreads().pending = false;
    Application = nullptr;
}

void TApplication::AddForm(TForm* f) { forms_.push_back(f); }

void TApplication::RemoveForm(TForm* f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    focusedForms_.erase(std::remove(focusedForms_.begin(), focusedForms_.end(), f), focusedForms_.end());
    modal_.erase(std::remove(modal_.begin(), modal_.end(), f), modal_.end());
    if (hoverForm_ == f) {
        hoverForm_ = nullptr;
        hoverControl_ = nullptr;
    }
}

void TApplication::RemoveTimer(TTimer* t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end()); }

void TApplication::FreeForm(TForm* form) {
    try {
        form->DoDestroy();
    } catch (const std::exception& e) {
        std::cerr << "tresolo: " << e.what() << '\n';
    }
    delete form;
}

void TApplication::DoCreateForm(TForm* f) {
    f->DoCreate();
}

void TApplication::Halt(int exitCode) {
    terminated_ = true;
    exitCode_ = exitCode;
    throw HaltRequest{exitCode};
}

// Only a handler's loop is unwound; the outermost one simply ends.
void TApplication::UnwindWhenStopping() const {
    if (terminated_ && handlerDepth_ > 0) throw HaltRequest{exitCode_};
}

template <class F>
void TApplication::Guarded(F&& f) {
    struct Depth {
        int& d;
        explicit Depth(int& depth) : d(depth) { ++d; }
        ~Depth() { --d; }
    } depth(handlerDepth_);
    try {
        f();
    } catch (const std::exception& e) {
        ShowException(e);
    }
}

void TApplication::ShowException(const std::exception& e) {
    std::string text = e.what();
    std::cerr << "tresolo: " << text << '\n';
    if (OnException) OnException(text);
    MessageDlg(text, TMsgDlgType::mtError, mbOK, Title);
}

void TApplication::QueueCall(std::function<void()> fn) {
    queued_.push_back(std::move(fn));
    backend_->Wake();
}

void TApplication::QueueFromThread(std::function<void()> fn) {
    ThreadCalls& inbox = CallsFromThreads();
    std::lock_guard lock(inbox.mutex);
    if (!Application) return;
    inbox.calls.push_back(std::move(fn));
    inbox.pending = true;
    Application->backend_->Wake();
}

void TApplication::TakeCallsFromThreads() {
    ThreadCalls& inbox = CallsFromThreads();
    if (!inbox.pending) return;
    std::lock_guard lock(inbox.mutex);
    for (auto& fn : inbox.calls) outerQueued_.push_back(std::move(fn));
    inbox.calls.clear();
    inbox.pending = false;
}

// ---- the loop ----

void TApplication::Run() {
    if (TForm* main = MainForm()) main->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::RunUntil(std::int64_t us) {
    // Whatever falls due at the end time itself still runs.
    for (;;) {
        ProcessMessages();
        if (terminated_ || clock_->NowUs() >= us) break;
        std::int64_t deadline = std::min(NextDeadline(), us);
        backend_->WaitEvent(std::max<std::int64_t>(0, deadline - clock_->NowUs()));
    }
}

void TApplication::ProcessMessages() {
    UnwindWhenStopping();
    unsigned round = ++round_;
    while (!terminated_ && ProcessOne(round)) {
    }
    UnwindWhenStopping();
}

void TApplication::HandleMessage() {
    UnwindWhenStopping();
    if (!ProcessOne(++round_) && !terminated_) WaitMessage();
    UnwindWhenStopping();
}

bool TApplication::ProcessOne(unsigned round) {
    if (auto ev = backend_->PollEvent()) {
        Guarded([&] { Dispatch(*ev); });
        return true;
    }
    if (CheckActivation()) return true;
    TakeCallsFromThreads();
    if (!queued_.empty()) {
        auto fn = std::move(queued_.front());
        queued_.pop_front();
        Guarded(fn);
        return true;
    }
    if (handlerDepth_ == 0 && !outerQueued_.empty()) {
        auto fn = std::move(outerQueued_.front());
        outerQueued_.pop_front();
        Guarded(fn);
        return true;
    }
    if (FireDueTimer(round)) return true;
    if (UpdateHint()) return true;
    return ComposeForms();
}

bool TApplication::FireDueTimer(unsigned round) {
    const std::int64_t now = clock_->NowUs();
    TTimer* next = nullptr;
    for (TTimer* t : timers_)
        if (t->Armed() && t->DueUs() <= now && (!next || t->DueUs() < next->DueUs())) next = t;
    if (!next) return false;
    bool fired = false;
    Guarded([&] { fired = next->Fire(now, round); });
    if (fired) return true;
    // Already fired in this round: look for another due timer.
    for (TTimer* t : timers_) {
        if (t == next || !t->Armed() || t->DueUs() > now) continue;
        Guarded([&] { fired = t->Fire(now, round); });
        if (fired) return true;
    }
    return false;
}

bool TApplication::ComposeForms() {
    bool any = false;
    for (std::size_t i = 0; i < forms_.size(); ++i) {
        TForm* f = forms_[i];
        Guarded([&] { any = f->Compose() || any; });
    }
    return any;
}

std::int64_t TApplication::NextDeadline() const {
    if (!queued_.empty() || (handlerDepth_ == 0 && !outerQueued_.empty())) return clock_->NowUs();
    std::int64_t next = kNever;
    for (TTimer* t : timers_)
        if (t->Armed()) next = std::min(next, t->DueUs());
    if (hoverControl_ && !hintShown_) next = std::min(next, hoverSince_ + HintPauseUs);
    if (hintShown_) next = std::min(next, hoverSince_ + HintPauseUs + HintHideUs);
    return next;
}

void TApplication::WaitMessage() {
    std::int64_t next = NextDeadline();
    std::int64_t now = clock_->NowUs();
    backend_->WaitEvent(next == kNever ? -1 : std::max<std::int64_t>(0, next - now));
}

// ---- input ----

void TApplication::Dispatch(const InputEvent& ev) {
    if (ev.kind == InputEvent::Quit) {
        if (TForm* main = MainForm()) main->Close();
        else Terminate();
        return;
    }
    TForm* form = nullptr;
    for (TForm* f : forms_)
        if (f->Window() == ev.window && f->Window() != 0) form = f;
    if (ev.kind == InputEvent::FocusGained || ev.kind == InputEvent::FocusLost) {
        if (form) FormFocusChanged(form, ev.kind == InputEvent::FocusGained);
        return;
    }
    if (!form) return;
    TForm* modal = ModalForm();
    const bool blocked = modal && modal != form;
    switch (ev.kind) {
        case InputEvent::CloseRequest:
            // The main window closes also behind a modal box: the desktop is ending the program.
            if (!blocked || form == MainForm()) form->Close();
            break;
        case InputEvent::Exposed:
            form->InvalidateAll();
            break;
        case InputEvent::MouseMove:
        case InputEvent::MouseLeave:
            form->HandleMouse(ev);
            TrackHover(form, ev.kind == InputEvent::MouseLeave ? nullptr : form->ControlAt(ev.x, ev.y),
                       {ev.x, ev.y});
            break;
        case InputEvent::MouseDown:
        case InputEvent::MouseUp:
            if (hintShown_ && hoverForm_) hoverForm_->HideHintText();
            hintShown_ = false;
            hoverSince_ = clock_->NowUs() + HintHideUs;  // no hint again until the pointer moves
            if (blocked) {
                if (ev.kind == InputEvent::MouseDown) modal->BringToFront();
                break;
            }
            form->HandleMouse(ev);
            break;
        case InputEvent::KeyDown:
            if (!blocked) form->HandleKey(ev.key, ev.shift, ev.repeat);
            break;
        case InputEvent::KeyUp:
            if (!blocked) form->HandleKeyUp(ev.key, ev.shift);
            break;
        case InputEvent::Text:
            if (!blocked) form->HandleText(ev.text);
            break;
        default:
            break;
    }
}

bool TApplication::FormHasFocus(const TForm* f) const {
    return std::find(focusedForms_.begin(), focusedForms_.end(), f) != focusedForms_.end();
}

void TApplication::FormFocusChanged(TForm* f, bool focused) {
    auto it = std::find(focusedForms_.begin(), focusedForms_.end(), f);
    if (focused && it == focusedForms_.end()) focusedForms_.push_back(f);
    if (!focused && it != focusedForms_.end()) focusedForms_.erase(it);
}

bool TApplication::CheckActivation() {
    // Focus moving between our own windows is neither activation nor deactivation:
    // the state is compared only once the queue is empty.
    bool nowActive = !focusedForms_.empty();
    if (nowActive == active_) return false;
    active_ = nowActive;
    if (!active_ && hoverForm_) {
        hoverForm_->HideHintText();
        hintShown_ = false;
    }
    Guarded([&] {
        TNotifyEvent& handler = active_ ? OnActivate : OnDeactivate;
        if (handler) handler(this);
    });
    return true;
}

// ---- hints ----

void TApplication::TrackHover(TForm* form, TControl* control, TPoint at) {
    while (control && control->Hint().empty() && control->Parent()) {
        if (!control->Parent()->Parent()) break;
        control = control->Parent();
    }
    if (control && (control->Hint().empty() || !control->ShowHint)) control = nullptr;
    if (form == hoverForm_ && control == hoverControl_) return;
    if (hintShown_ && hoverForm_) hoverForm_->HideHintText();
    hintShown_ = false;
    hoverForm_ = form;
    hoverControl_ = control;
    hoverAt_ = at;
    hoverSince_ = clock_->NowUs();
}

bool TApplication::UpdateHint() {
    if (!hoverControl_ || !hoverForm_) return false;
    const std::int64_t now = clock_->NowUs();
    if (!hintShown_ && now >= hoverSince_ + HintPauseUs && now < hoverSince_ + HintPauseUs + HintHideUs) {
        // A control that went away under the pointer shows no hint, and is no longer waited for.
        if (!hoverControl_->Showing()) {
            hoverControl_ = nullptr;
            return false;
        }
        hoverForm_->ShowHintText(hoverControl_->Hint(), hoverAt_);
        hintShown_ = true;
        return true;
    }
    if (hintShown_ && now >= hoverSince_ + HintPauseUs + HintHideUs) {
        hoverForm_->HideHintText();
        hintShown_ = false;
        hoverControl_ = nullptr;
        return true;
    }
    return false;
}
