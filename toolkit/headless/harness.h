// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless application on a virtual clock, with a player's hands: clicks, keys and
// typing at virtual times, and a look at the presented pixels.
#include <memory>
#include <string>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/headless/headless_backend.h"

class HeadlessHarness {
public:
    HeadlessHarness();
    ~HeadlessHarness();

    TApplication& App() { return *app_; }
    HeadlessBackend& Backend() { return *backend_; }
    VirtualClock& Clock() { return *clock_; }
    std::int64_t NowMs() const { return clock_->NowUs() / 1000; }

    // Runs the loop for `ms` virtual milliseconds. Returns false when the program halted.
    bool RunFor(std::int64_t ms);
    bool Halted() const { return halted_; }
    // True when a modal box or window still waited for an answer an hour of virtual time
    // after the run's end: the program was halted then.
    bool Stuck() const { return halted_ && exitCode_ == HeadlessBackend::kStuckExitCode; }
    int ExitCode() const { return exitCode_; }

    // Input at `delayMs` from now, delivered by the loop.
    void Click(TForm& form, int x, int y, std::int64_t delayMs = 0);
    void ClickControl(TControl& c, std::int64_t delayMs = 0);
    void MoveMouse(TForm& form, int x, int y, std::int64_t delayMs = 0);
    // A key pressed and released at once.
    void Key(Word key, std::int64_t delayMs = 0, TShiftState shift = 0);
    // A key's press (or, with `repeat`, the keyboard's repeat of a held key) and its release.
    void KeyDown(Word key, std::int64_t delayMs = 0, bool repeat = false);
    void KeyUp(Word key, std::int64_t delayMs = 0);
    void Type(const std::string& text, std::int64_t delayMs = 0);
    void Focus(TForm* form, bool gained, std::int64_t delayMs = 0);

    // The presented pixel of a form (its last composed frame).
    TColor Pixel(const TForm& form, int x, int y) const;
    // Every message box shown so far: caption and text.
    const std::vector<std::pair<std::string, std::string>>& MessageBoxes() const { return boxes_; }

private:
    static constexpr std::int64_t kStuckAfterMs = 3'600'000;
    std::int64_t At(std::int64_t delayMs) const { return clock_->NowUs() + delayMs * 1000; }
    void PostKey(InputEvent::Kind kind, Word key, std::int64_t delayMs, TShiftState shift, bool repeat);

    VirtualClock* clock_;
    HeadlessBackend* backend_;
    std::unique_ptr<TApplication> app_;
    bool halted_ = false;
    int exitCode_ = 0;
    std::vector<std::pair<std::string, std::string>> boxes_;
};
