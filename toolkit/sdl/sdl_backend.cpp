// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/sdl/sdl_backend.h"

#include <SDL.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/stop_signals.h"
#include "support/prefault.h"
#include "toolkit/application.h"
#include "toolkit/sdl/x11_backdrop.h"
#include "toolkit/sdl/x11_focus.h"
#include "toolkit/sdl/x11_raise.h"
#include "toolkit/sdl/x11_watch.h"

namespace {

Word KeyCode(SDL_Keycode k) {
    switch (k) {
        case SDLK_RETURN: case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_TAB: return VK_TAB;
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_UP: return VK_UP;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_HOME: return VK_HOME;
        case SDLK_END: return VK_END;
        case SDLK_F2: return VK_F2;
        default: break;
    }
    if (k >= SDLK_a && k <= SDLK_z) return static_cast<Word>('A' + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<Word>('0' + (k - SDLK_0));
    return 0;
}

TShiftState ShiftOf(Uint16 mod) {
    TShiftState s = 0;
    if (mod & KMOD_SHIFT) s |= ssShift;
    if (mod & KMOD_ALT) s |= ssAlt;
    if (mod & KMOD_CTRL) s |= ssCtrl;
    return s;
}

TMouseButton ButtonOf(Uint8 b) {
    if (b == SDL_BUTTON_RIGHT) return TMouseButton::mbRight;
    if (b == SDL_BUTTON_MIDDLE) return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

// Whole-number scale for high-density displays; TRESOLO_SCALE overrides it.
int DisplayScale() {
    if (const char* s = std::getenv("TRESOLO_SCALE")) return std::clamp(std::atoi(s), 1, 4);
    float ddpi = 0;
    if (SDL_GetDisplayDPI(0, &ddpi, nullptr, nullptr) != 0 || ddpi <= 0) return 1;
    return std::clamp(static_cast<int>(std::lround(ddpi / 96.0f)), 1, 4);
}

// SDL falls back to these when no screen can be reached; they draw into memory only,
// so they are used only when SDL_VIDEODRIVER asks for them.
bool DrawsOffScreen(const char* driver) {
    for (const char* name : {"offscreen", "dummy", "evdev"})
        if (driver && SDL_strcasecmp(driver, name) == 0) return true;
    return false;
}

std::string UnreachableDisplay() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return "DISPLAY ist nicht gesetzt";
    return std::string("X-Server ") + display + " nicht erreichbar";
}

// One attempt to start SDL's video on a screen a player can see. On failure the video
// subsystem is shut down again, so the next attempt connects afresh; returns the reason.
std::optional<std::string> OpenVideo() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return std::string(SDL_GetError());
    std::string reason;
    const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (!(requested && *requested) && DrawsOffScreen(SDL_GetCurrentVideoDriver())) {
        reason = UnreachableDisplay();
    } else if (SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN)) {
        SDL_DestroyWindow(probe);
        return std::nullopt;
    } else {
        reason = SDL_GetError();
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    return reason;
}

constexpr const char* kBusAddress = "DBUS_SESSION_BUS_ADDRESS";
// An address no bus has: asking it fails at once.
constexpr const char* kNoBus = "unix:path=/nonexistent/tresolo-no-session-bus";

// A session bus is reached through its address or the user's runtime folder.
bool SessionBusReachable() {
    if (std::getenv(kBusAddress)) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st;
    return runtime && *runtime && stat((std::string(runtime) + "/bus").c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

// Takes back the address set for SDL's start, so programs started later launch their own bus.
void ForgetNoBus() {
    const char* address = std::getenv(kBusAddress);
    if (address && std::string(address) == kNoBus) unsetenv(kBusAddress);
}

// The window system is gone: the program keeps what it must, then the process ends
// without a word more to the X server, which would only fail again.
[[noreturn]] void DisplayLost() {
    static bool once = false;
    if (!once) {
        once = true;
        try {
            if (Application && Application->OnDisplayLost) Application->OnDisplayLost();
            else std::cerr << "tresolo: Die Anzeige ist weg.\n";
        } catch (const std::exception& e) {
            std::cerr << "tresolo: " << e.what() << '\n';
        }
    }
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(1);
}

}  // namespace

SdlBackend::SdlBackend() {
    WatchStopSignals();
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Our frames change in small parts: the window's surface is the X server's own shared
    // picture, to which only those parts are copied and sent, at a fraction of the memory
    // an OpenGL driver takes.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    // An X server refuses connections for a moment while it resets (Xvfb does so when
    // its last client leaves): a few attempts over two seconds ride that out.
    std::optional<std::string> failure;
    x11_watch::Prepare();
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0) SDL_Delay(500);
        failure = OpenVideo();
        if (!failure) break;
    }
    ForgetNoBus();
    if (failure)
        throw DisplayError("Keine Anzeige verfügbar (" + *failure +
                           "). Tresolo braucht eine grafische Oberfläche.");
    x11_watch::Start(DisplayLost);
    wakeEvent_ = SDL_RegisterEvents(1);
    scale_ = DisplayScale();
    SDL_StartTextInput();
}

void SdlBackend::SkipBusAutolaunch() {
    if (!SessionBusReachable()) setenv(kBusAddress, kNoBus, 1);
}

SdlBackend::~SdlBackend() {
    for (auto& [id, w] : windows_) {
        SDL_FreeSurface(w.frame);
        if (w.window) SDL_DestroyWindow(w.window);
    }
    x11_watch::Stop();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

SdlBackend::Win* SdlBackend::Find(WindowId id) {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
}

WindowId SdlBackend::CreateWindow(const WindowSpec& desc) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (desc.borderless) flags |= SDL_WINDOW_BORDERLESS;
    if (desc.stayOnTop) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    int x = desc.centred ? SDL_WINDOWPOS_CENTERED : desc.left;
    int y = desc.centred ? SDL_WINDOWPOS_CENTERED : desc.top;
    Win w;
    w.width = desc.width;
    w.height = desc.height;
    w.window = SDL_CreateWindow(desc.title.c_str(), x, y, desc.width * scale_, desc.height * scale_, flags);
    if (!w.window) throw DisplayError(std::string("Fenster kann nicht geöffnet werden: ") + SDL_GetError());
    SDL_Surface* surface = SDL_GetWindowSurface(w.window);
    if (!surface) {
        const std::string reason = SDL_GetError();
        SDL_DestroyWindow(w.window);
        throw DisplayError("Keine Zeichenfläche: " + reason);
    }
    PrefaultForWriting(surface->pixels, static_cast<std::size_t>(surface->pitch) * surface->h);
    x11_watch::AddWindow(w.window);
    WindowId id = SDL_GetWindowID(w.window);
    windows_[id] = w;
    return id;
}

void SdlBackend::DestroyWindow(WindowId id) {
    Win* w = Find(id);
    if (!w) return;
    x11_watch::RemoveWindow(w->window);
    SDL_FreeSurface(w->frame);
    SDL_DestroyWindow(w->window);
    windows_.erase(id);
}

void SdlBackend::ShowWindow(WindowId id, bool visible) {
    if (Win* w = Find(id)) {
        if (visible) {
            // The surface holds the whole frame: the X server shows it as it maps the
            // window, without waiting for the exposure's round trip to us.
            SDL_Surface* surface = SDL_GetWindowSurface(w->window);
            w->backdrop = surface && x11_backdrop::Set(w->window, *surface);
            SDL_ShowWindow(w->window);
            SDL_RaiseWindow(w->window);
        } else {
            DropBackdrop(*w);
            SDL_HideWindow(w->window);
        }
    }
}

void SdlBackend::DropBackdrop(Win& w) {
    if (!w.backdrop) return;
    x11_backdrop::Clear(w.window);
    w.backdrop = false;
}

void SdlBackend::MoveWindow(WindowId id, int left, int top) {
    if (Win* w = Find(id)) SDL_SetWindowPosition(w->window, left, top);
}

void SdlBackend::RaiseWindow(WindowId id) {
    if (Win* w = Find(id)) SDL_RaiseWindow(w->window);
}

void SdlBackend::PassFocus(WindowId id, bool hiddenHadFocus) {
    Win* w = Find(id);
    if (!w || !(hiddenHadFocus || x11_focus::FocusIsNowhere(w->window))) return;
    SDL_RaiseWindow(w->window);
    SDL_SetWindowInputFocus(w->window);
}

void SdlBackend::SetWindowIcon(WindowId id, const PixelBuffer& icon) {
    Win* w = Find(id);
    if (!w || icon.empty()) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(icon.data()), icon.width(),
                                                        icon.height(), 24, icon.stride(), SDL_PIXELFORMAT_BGR24);
    if (!s) return;
    SDL_SetWindowIcon(w->window, s);
    SDL_FreeSurface(s);
}

// Window pixels per pixel of the window's own size: a whole number, at least 1.
int SdlBackend::Scale(const Win& w) const {
    int width = 0, height = 0;
    SDL_GetWindowSize(w.window, &width, &height);
    return std::max(1, std::min(width / std::max(1, w.width), height / std::max(1, w.height)));
}

// The pointer's place in the window's own pixels.
void SdlBackend::PlacePointer(InputEvent& ev, int x, int y) {
    const Win* w = Find(ev.window);
    const int scale = w ? Scale(*w) : 1;
    ev.x = x / scale;
    ev.y = y / scale;
}

// The surface is made again only when the framebuffer moved or changed its size.
SDL_Surface* SdlBackend::FrameSurface(Win& w, const PixelBuffer& frame) {
    auto* pixels = const_cast<std::uint8_t*>(frame.data());
    if (w.frame && w.frame->pixels == pixels && w.frame->w == frame.width() && w.frame->h == frame.height())
        return w.frame;
    SDL_FreeSurface(w.frame);
    w.frame = SDL_CreateRGBSurfaceWithFormatFrom(pixels, frame.width(), frame.height(), 24, frame.stride(),
                                                 SDL_PIXELFORMAT_BGR24);
    return w.frame;
}

// Only the changed rectangles are converted to the window's pixel format and sent.
void SdlBackend::Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) {
    Win* w = Find(id);
    if (!w || frame.width() != w->width || frame.height() != w->height) return;
    SDL_Surface* screen = SDL_GetWindowSurface(w->window);
    SDL_Surface* source = FrameSurface(*w, frame);
    if (!screen || !source) return;
    const int scale = Scale(*w);
    sent_.clear();
    for (const TRect& rect : dirty) {
        const TRect d = rect.Intersect({0, 0, w->width, w->height});
        if (d.Empty()) continue;
        SDL_Rect from{d.Left, d.Top, d.Width(), d.Height()};
        SDL_Rect to{d.Left * scale, d.Top * scale, d.Width() * scale, d.Height() * scale};
        if (scale == 1) SDL_BlitSurface(source, &from, screen, &to);
        else SDL_BlitScaled(source, &from, screen, &to);
        sent_.push_back(to);
    }
    // A hidden window's surface is sent whole when the window is shown (as its backdrop,
    // or at the exposure).
    const bool shown = (SDL_GetWindowFlags(w->window) & SDL_WINDOW_SHOWN) != 0;
    if (sent_.empty()) return;
    DropBackdrop(*w);  // it shows an older frame now
    if (shown) SDL_UpdateWindowSurfaceRects(w->window, sent_.data(), static_cast<int>(sent_.size()));
}

// Reading the X connection costs system calls even when nothing came. A wait reads it;
// after that it is read again once a millisecond has passed, so a wake-up that fires a
// timer, presents a frame and goes back to waiting reads it once, not four times.
void SdlBackend::ReadEventsIfDue() {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastRead_ < kReadInterval) return;
    SDL_PumpEvents();
    lastRead_ = now;
}

std::optional<InputEvent> SdlBackend::PollEvent() {
    if (x11_watch::WindowLost()) DisplayLost();
    if (TakeStopSignal() != 0) return InputEvent::Of(InputEvent::Quit, 0);
    ReadEventsIfDue();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        InputEvent ev;
        switch (e.type) {
            case SDL_SYSWMEVENT:
                if (x11_watch::WindowLost(e.syswm.msg)) DisplayLost();
                continue;
            case SDL_QUIT:
                ev.kind = InputEvent::Quit;
                return ev;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                ev.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp;
                ev.window = e.button.windowID;
                PlacePointer(ev, e.button.x, e.button.y);
                ev.button = ButtonOf(e.button.button);
                return ev;
            case SDL_MOUSEMOTION:
                ev.kind = InputEvent::MouseMove;
                ev.window = e.motion.windowID;
                PlacePointer(ev, e.motion.x, e.motion.y);
                return ev;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                ev.kind = e.type == SDL_KEYDOWN ? InputEvent::KeyDown : InputEvent::KeyUp;
                ev.window = e.key.windowID;
                ev.key = KeyCode(e.key.keysym.sym);
                ev.shift = ShiftOf(e.key.keysym.mod);
                ev.repeat = e.key.repeat != 0;
                if (ev.key == 0) continue;
                return ev;
            case SDL_TEXTINPUT:
                ev.kind = InputEvent::Text;
                ev.window = e.text.windowID;
                ev.text = e.text.text;
                return ev;
            case SDL_WINDOWEVENT:
                ev.window = e.window.windowID;
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_FOCUS_GAINED: ev.kind = InputEvent::FocusGained; return ev;
                    case SDL_WINDOWEVENT_FOCUS_LOST: ev.kind = InputEvent::FocusLost; return ev;
                    case SDL_WINDOWEVENT_CLOSE: ev.kind = InputEvent::CloseRequest; return ev;
                    case SDL_WINDOWEVENT_LEAVE: ev.kind = InputEvent::MouseLeave; return ev;
                    // The surface still holds the last frame; after a change of size it is
                    // made anew, and the window paints everything again. The X server has
                    // painted a backdrop before telling of the exposure: that is the frame.
                    case SDL_WINDOWEVENT_EXPOSED:
                        if (Win* w = Find(e.window.windowID); w && w->backdrop) {
                            DropBackdrop(*w);
                            continue;
                        }
                        if (Win* w = Find(e.window.windowID); w && SDL_UpdateWindowSurface(w->window) == 0)
                            continue;
                        ev.kind = InputEvent::Exposed;
                        return ev;
                    case SDL_WINDOWEVENT_SIZE_CHANGED: ev.kind = InputEvent::Exposed; return ev;
                    default: continue;
                }
            default:
                continue;  // the wake-up event and everything we do not use
        }
    }
    if (x11_watch::WindowLost()) DisplayLost();
    return std::nullopt;
}

void SdlBackend::WaitEvent(std::int64_t timeoutUs) {
    if (x11_watch::WindowLost()) return;  // the next poll ends the program
    if (woken_.exchange(false)) return;
    if (timeoutUs < 0) {
        SDL_WaitEvent(nullptr);
    } else {
        const int ms = static_cast<int>(std::min<std::int64_t>((timeoutUs + 999) / 1000, 1 << 30));
        if (ms == 0) return;
        SDL_WaitEventTimeout(nullptr, ms);
    }
    lastRead_ = std::chrono::steady_clock::now();  // the wait read whatever came
}

void SdlBackend::Wake() {
    if (std::this_thread::get_id() == loopThread_) {
        woken_ = true;
        return;
    }
    SDL_Event e{};
    e.type = wakeEvent_;
    SDL_PushEvent(&e);
}

TPoint SdlBackend::ScreenSize() const {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {0, 0};
    return {mode.w, mode.h};
}

unsigned long SdlBackend::NativeWindow(WindowId id) {
    Win* w = Find(id);
    return w ? x11_raise::WindowOf(w->window) : 0;
}
