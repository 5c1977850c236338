// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows in a web page: each window is a <canvas> drawn from the window's framebuffer,
// input comes from the page's mouse and key events. Waiting hands control back to the
// browser (the program is built with Asyncify), so the page paints and stays responsive.
// Presents are gathered and drawn in the browser's next animation frame, each changed
// part once, and only where the pixels differ from what the canvas shows.
#include <cstdint>
#include <map>
#include <vector>

#include "toolkit/damage.h"

#include "toolkit/backend.h"
#include "toolkit/clock.h"

class WebBackend : public Backend {
public:
    WebBackend();
    ~WebBackend() override;

    WindowId CreateWindow(const WindowSpec& desc) override;
    void DestroyWindow(WindowId id) override;
    void ShowWindow(WindowId id, bool visible) override;
    void MoveWindow(WindowId id, int left, int top) override;
    void RaiseWindow(WindowId id) override;
    void PassFocus(WindowId id, bool hiddenHadFocus) override;
    void WantText(WindowId id, bool wanted) override;
    void Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) override;
    std::optional<InputEvent> PollEvent() override;
    void WaitEvent(std::int64_t timeoutUs) override;
    void Wake() override;
    TPoint ScreenSize() const override;

    // The animation frame: draws what was presented since the last one.
    void DrawPresented();
    // The window's canvas was cleared: it is drawn whole in the next animation frame.
    void DrawAgain(WindowId id);

private:
    struct Presented {
        const PixelBuffer* frame = nullptr;
        DamageRegion damage;
        PixelBuffer shown;  // what the canvas shows
    };
    void Draw(WindowId id, Presented& p, const TRect& rect);

    std::map<WindowId, Presented> presented_;
    std::vector<std::uint32_t> rgba_;  // one dirty rectangle as the canvas takes it
};

// The page's clock; a sleep lets the browser run meanwhile.
class WebClock : public RealClock {
public:
    void Sleep(std::int64_t us) override;
};
