// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows without a display, for tests: each window keeps its last presented frame,
// and input events are scheduled at virtual times. Waiting jumps the virtual clock
// to the next due timer or scheduled event.
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/clock.h"

class HeadlessBackend : public Backend {
public:
    struct Window {
        WindowSpec desc;
        bool visible = false;
        PixelBuffer frame;
        int presents = 0;
        bool raised = false;
        bool textWanted = false;
    };

    explicit HeadlessBackend(VirtualClock& clock, TPoint screen = {1280, 1024});

    WindowId CreateWindow(const WindowSpec& desc) override;
    void DestroyWindow(WindowId id) override;
    void ShowWindow(WindowId id, bool visible) override;
    void MoveWindow(WindowId id, int left, int top) override;
    void RaiseWindow(WindowId id) override;
    void WantText(WindowId id, bool wanted) override;
    void Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) override;
    std::optional<InputEvent> PollEvent() override;
    void WaitEvent(std::int64_t timeoutUs) override;
    TPoint ScreenSize() const override { return screen_; }

    // Test controls.
    void SetScreenSize(TPoint size) { screen_ = size; }
    // Schedules an event at the virtual time `atUs` (now when negative).
    void Post(InputEvent ev, std::int64_t atUs = -1);
    const Window* Find(WindowId id) const;
    WindowId Focused() const { return focused_; }
    // A wait that would pass `atUs` while `stuck` holds halts the program instead (exit code
    // kStuckExitCode): a box nobody answers fails its test rather than running forever.
    void StopWaitingAfter(std::int64_t atUs, std::function<bool()> stuck) {
        stuckAtUs_ = atUs;
        stuck_ = std::move(stuck);
    }
    static constexpr int kStuckExitCode = 124;

private:
    void MoveFocus(WindowId to);

    VirtualClock& clock_;
    TPoint screen_;
    std::map<WindowId, Window> windows_;
    std::vector<WindowId> shownOrder_;
    WindowId nextId_ = 1;
    WindowId focused_ = 0;
    struct Scheduled {
        std::int64_t at;
        std::uint64_t seq;
        InputEvent ev;
    };
    std::vector<Scheduled> events_;
    std::uint64_t seq_ = 0;
    bool starved_ = false;
    std::int64_t stuckAtUs_ = std::numeric_limits<std::int64_t>::max();
    std::function<bool()> stuck_;
};
