// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/headless/headless_backend.h"

#include "toolkit/application.h"

#include <algorithm>
#include <cstring>
#include <limits>

HeadlessBackend::HeadlessBackend(VirtualClock& clock, TPoint screen) : clock_(clock), screen_(screen) {}

WindowId HeadlessBackend::CreateWindow(const WindowSpec& desc) {
    WindowId id = nextId_++;
    windows_[id].desc = desc;
    return id;
}

void HeadlessBackend::DestroyWindow(WindowId id) {
    ShowWindow(id, false);
    windows_.erase(id);
}

void HeadlessBackend::MoveFocus(WindowId to) {
    if (to == focused_) return;
    if (focused_) {
        InputEvent lost = InputEvent::Of(InputEvent::FocusLost, focused_);
        Post(lost);
    }
    focused_ = to;
    if (to) {
        InputEvent gained = InputEvent::Of(InputEvent::FocusGained, to);
        Post(gained);
    }
}

void HeadlessBackend::ShowWindow(WindowId id, bool visible) {
    auto it = windows_.find(id);
    if (it == windows_.end() || it->second.visible == visible) return;
    it->second.visible = visible;
    shownOrder_.erase(std::remove(shownOrder_.begin(), shownOrder_.end(), id), shownOrder_.end());
    if (visible) {
        shownOrder_.push_back(id);
        MoveFocus(id);
    } else if (focused_ == id) {
        // The window manager hands the focus to the window shown before it.
        MoveFocus(shownOrder_.empty() ? 0 : shownOrder_.back());
    }
}

void HeadlessBackend::MoveWindow(WindowId id, int left, int top) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    it->second.desc.left = left;
    it->second.desc.top = top;
}

void HeadlessBackend::RaiseWindow(WindowId id) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    it->second.raised = true;
    if (it->second.visible) MoveFocus(id);
}

void HeadlessBackend::WantText(WindowId id, bool wanted) {
    auto it = windows_.find(id);
    if (it != windows_.end()) it->second.textWanted = wanted;
}

void HeadlessBackend::Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    PixelBuffer& shown = it->second.frame;
    ++it->second.presents;
    if (shown.width() != frame.width() || shown.height() != frame.height()) {
        shown = frame;
        return;
    }
    // Only what changed is copied.
    for (const TRect& rect : dirty) {
        const TRect d = rect.Intersect({0, 0, frame.width(), frame.height()});
        if (d.Empty()) continue;
        for (int y = d.Top; y < d.Bottom; ++y)
            std::memcpy(shown.scanLine(y) + d.Left * 3, frame.scanLine(y) + d.Left * 3,
                        static_cast<std::size_t>(d.Width()) * 3);
    }
}

void HeadlessBackend::Post(InputEvent ev, std::int64_t atUs) {
    events_.push_back({atUs < 0 ? clock_.NowUs() : atUs, seq_++, std::move(ev)});
    std::stable_sort(events_.begin(), events_.end(), [](const Scheduled& a, const Scheduled& b) {
        return a.at != b.at ? a.at < b.at : a.seq < b.seq;
    });
}

std::optional<InputEvent> HeadlessBackend::PollEvent() {
    if (events_.empty() || events_.front().at > clock_.NowUs()) return std::nullopt;
    InputEvent ev = std::move(events_.front().ev);
    events_.erase(events_.begin());
    const bool keyboard = ev.kind == InputEvent::KeyDown || ev.kind == InputEvent::KeyUp || ev.kind == InputEvent::Text;
    if (keyboard && ev.window == 0) ev.window = focused_;
    return ev;
}

void HeadlessBackend::WaitEvent(std::int64_t timeoutUs) {
    const std::int64_t now = clock_.NowUs();
    const std::int64_t never = std::numeric_limits<std::int64_t>::max();
    std::int64_t target = timeoutUs < 0 ? never : now + timeoutUs;
    if (!events_.empty()) target = std::min(target, events_.front().at);
    starved_ = target == never;
    if (!starved_ && target > stuckAtUs_ && stuck_ && stuck_()) throw HaltRequest{kStuckExitCode};
    if (!starved_) clock_.AdvanceTo(target);
}

const HeadlessBackend::Window* HeadlessBackend::Find(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
}
