#pragma once
// Real windows through SDL2. Each window shows its framebuffer through a streaming
// texture; the logical size is scaled to the display on high-density screens.
#include <atomic>
#include <map>
#include <thread>
#include <stdexcept>

#include "toolkit/backend.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

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
        SDL_Renderer* renderer = nullptr;
        SDL_Texture* texture = nullptr;
        int width = 0, height = 0;
    };
    Win* Find(WindowId id);
    void Redraw(Win& w);

    std::map<WindowId, Win> windows_;
    int scale_ = 1;
    std::uint32_t wakeEvent_ = 0;
    // A wake from the loop's own thread only needs the next wait to return at once. An
    // SDL event would wake through one of our windows, which may be closing just then.
    std::atomic<bool> woken_{false};
    std::thread::id loopThread_ = std::this_thread::get_id();
};
