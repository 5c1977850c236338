// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window system behind the toolkit: real windows (SDL) or headless windows for tests.
// The toolkit composes every window into a 24-bit framebuffer and hands it over here.
#include <span>
#include <cstdint>
#include <optional>
#include <string>

#include "codecs/pixel_buffer.h"
#include "toolkit/types.h"

using WindowId = std::uint32_t;

struct WindowSpec {
    std::string title;
    int left = 0, top = 0, width = 0, height = 0;
    bool centred = false;
    bool borderless = false;
    bool stayOnTop = false;
};

struct InputEvent {
    enum Kind {
        MouseDown, MouseUp, MouseMove, MouseLeave, KeyDown, KeyUp, Text,
        FocusGained, FocusLost, CloseRequest, Exposed, Quit
    };
    Kind kind = MouseMove;
    WindowId window = 0;
    int x = 0, y = 0;
    TMouseButton button = TMouseButton::mbLeft;
    Word key = 0;
    TShiftState shift = 0;
    bool repeat = false;  // a key down repeated by the keyboard while the key is held
    std::string text;

    static InputEvent Of(Kind kind, WindowId window, int x = 0, int y = 0) {
        InputEvent ev;
        ev.kind = kind;
        ev.window = window;
        ev.x = x;
        ev.y = y;
        return ev;
    }
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual WindowId CreateWindow(const WindowSpec& desc) = 0;
    virtual void DestroyWindow(WindowId id) = 0;
    virtual void ShowWindow(WindowId id, bool visible) = 0;
    virtual void MoveWindow(WindowId id, int left, int top) = 0;
    virtual void RaiseWindow(WindowId id) = 0;
    // Gives the keyboard focus to the window after another of ours was hidden: when the
    // hidden one had it, or when it belongs to no window at all.
    virtual void PassFocus(WindowId, bool /*hiddenHadFocus*/) {}
    virtual void SetWindowIcon(WindowId, const PixelBuffer&) {}
    // Whether the window's focused control takes typed text: a touch screen shows its
    // keyboard only then.
    virtual void WantText(WindowId, bool) {}
    // Shows the framebuffer; `dirty` are the parts that changed since the last call.
    virtual void Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) = 0;
    // Takes the next pending input event without waiting.
    virtual std::optional<InputEvent> PollEvent() = 0;
    // Waits until an event is pending or the timeout (microseconds, < 0 = forever) is over.
    virtual void WaitEvent(std::int64_t timeoutUs) = 0;
    // Wakes a WaitEvent from another thread or a signal handler.
    virtual void Wake() {}
    virtual TPoint ScreenSize() const = 0;
};
