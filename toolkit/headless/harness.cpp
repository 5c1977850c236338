// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/headless/harness.h"

#include <cstdio>
#include <limits>

#include "toolkit/blit.h"

HeadlessHarness::HeadlessHarness() {
    auto clock = std::make_unique<VirtualClock>();
    clock_ = clock.get();
    auto backend = std::make_unique<HeadlessBackend>(*clock_);
    backend_ = backend.get();
    app_ = std::make_unique<TApplication>(std::move(backend), std::move(clock));
    app_->OnMessageBox = [this](const std::string& caption, const std::string& text) {
        boxes_.emplace_back(caption, text);
    };
}

HeadlessHarness::~HeadlessHarness() = default;

bool HeadlessHarness::RunFor(std::int64_t ms) {
    if (halted_) return false;
    const std::int64_t end = clock_->NowUs() + ms * 1000;
    backend_->StopWaitingAfter(end + kStuckAfterMs * 1000, [this] { return app_->ModalForm() != nullptr; });
    try {
        app_->RunUntil(end);
    } catch (const HaltRequest& h) {
        halted_ = true;
        exitCode_ = h.exitCode;
    }
    backend_->StopWaitingAfter(std::numeric_limits<std::int64_t>::max(), nullptr);
    if (Stuck())
        std::fprintf(stderr, "headless: a box or window still waited for an answer an hour after the run's end\n");
    return !halted_;
}

void HeadlessHarness::Click(TForm& form, int x, int y, std::int64_t delayMs) {
    InputEvent move = InputEvent::Of(InputEvent::MouseMove, form.Window(), x, y);
    InputEvent down = InputEvent::Of(InputEvent::MouseDown, form.Window(), x, y);
    InputEvent up = InputEvent::Of(InputEvent::MouseUp, form.Window(), x, y);
    backend_->Post(move, At(delayMs));
    backend_->Post(down, At(delayMs));
    backend_->Post(up, At(delayMs));
}

void HeadlessHarness::ClickControl(TControl& c, std::int64_t delayMs) {
    TPoint o = c.FormOrigin();
    Click(*c.ParentForm(), o.X + c.Width() / 2, o.Y + c.Height() / 2, delayMs);
}

void HeadlessHarness::MoveMouse(TForm& form, int x, int y, std::int64_t delayMs) {
    InputEvent move = InputEvent::Of(InputEvent::MouseMove, form.Window(), x, y);
    backend_->Post(move, At(delayMs));
}

void HeadlessHarness::PostKey(InputEvent::Kind kind, Word key, std::int64_t delayMs, TShiftState shift, bool repeat) {
    InputEvent ev = InputEvent::Of(kind, 0);
    ev.key = key;
    ev.shift = shift;
    ev.repeat = repeat;
    backend_->Post(ev, At(delayMs));
}

void HeadlessHarness::Key(Word key, std::int64_t delayMs, TShiftState shift) {
    PostKey(InputEvent::KeyDown, key, delayMs, shift, false);
    PostKey(InputEvent::KeyUp, key, delayMs, shift, false);
}

void HeadlessHarness::KeyDown(Word key, std::int64_t delayMs, bool repeat) {
    PostKey(InputEvent::KeyDown, key, delayMs, 0, repeat);
}

void HeadlessHarness::KeyUp(Word key, std::int64_t delayMs) { PostKey(InputEvent::KeyUp, key, delayMs, 0, false); }

void HeadlessHarness::Type(const std::string& text, std::int64_t delayMs) {
    InputEvent ev = InputEvent::Of(InputEvent::Text, 0);
    ev.text = text;
    backend_->Post(ev, At(delayMs));
}

void HeadlessHarness::Focus(TForm* form, bool gained, std::int64_t delayMs) {
    InputEvent ev = InputEvent::Of(gained ? InputEvent::FocusGained : InputEvent::FocusLost, form ? form->Window() : 0);
    backend_->Post(ev, At(delayMs));
}

TColor HeadlessHarness::Pixel(const TForm& form, int x, int y) const {
    const HeadlessBackend::Window* w = backend_->Find(form.Window());
    if (!w || x < 0 || y < 0 || x >= w->frame.width() || y >= w->frame.height()) return 0xFFFFFFFF;
    return ToColor(w->frame.pixel(x, y));
}
