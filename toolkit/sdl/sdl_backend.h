// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real windows through SDL2. The changed parts of each window's framebuffer are copied
// into the window's own surface and only those parts are sent to the display; on
// high-density screens they are scaled up by a whole number.
#include <atomic>
#include <chrono>
#include <map>
#include <thread>
#include <stdexcept>
#include <vector>

#include "toolkit/backend.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Rect;

class DisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SdlBackend : public Backend {
public:
    // Throws DisplayError when no screen a player can see opens within about two
    // seconds; a memory-only driver counts only when SDL_VIDEODRIVER names it.
    SdlBackend();
    ~SdlBackend() override;
    // With no session bus to reach, SDL's start has D-Bus fork a helper that launches
    // one, which nothing here needs: it is told there is none until the video is open.
    // Changes the environment, so it is called before the program starts its threads.
    static void SkipBusAutolaunch();

    WindowId CreateWindow(const WindowSpec& desc) override;
    void DestroyWindow(WindowId id) override;
    void ShowWindow(WindowId id, bool visible) override;
    void MoveWindow(WindowId id, int left, int top) override;
    void RaiseWindow(WindowId id) override;
    void PassFocus(WindowId id, bool hiddenHadFocus) override;
    void SetWindowIcon(WindowId id, const PixelBuffer& icon) override;
    void Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) override;
    std::optional<InputEvent> PollEvent() override;
    void WaitEvent(std::int64_t timeoutUs) override;
    void Wake() override;
    TPoint ScreenSize() const override;
    // The window system's own id of a window (the X window), 0 when there is none.
    unsigned long NativeWindow(WindowId id);

private:
    struct Win {
        SDL_Window* window = nullptr;
        SDL_Surface* frame = nullptr;  // the toolkit's framebuffer seen as a surface, not copied
        int width = 0, height = 0;
        // The X server paints the surface's frame as the background until the first
        // exposure after the showing, or until the frame changes.
        bool backdrop = false;
    };
    Win* Find(WindowId id);
    void DropBackdrop(Win& w);
    SDL_Surface* FrameSurface(Win& w, const PixelBuffer& frame);
    void ReadEventsIfDue();
    int Scale(const Win& w) const;
    void PlacePointer(InputEvent& ev, int x, int y);

    std::map<WindowId, Win> windows_;
    std::vector<SDL_Rect> sent_;  // the rectangles of one present, kept to save allocations
    int scale_ = 1;
    std::uint32_t wakeEvent_ = 0;
    // A wake from the loop's own thread only needs the next wait to return at once. An
    // SDL event would wake through one of our windows, which may be closing just then.
    std::atomic<bool> woken_{false};
    std::thread::id loopThread_ = std::this_thread::get_id();
    static constexpr std::chrono::milliseconds kReadInterval{1};
    std::chrono::steady_clock::time_point lastRead_;
};
