#include "toolkit/sdl/x11_watch.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace x11_watch {

namespace {

bool active = false;
void (*onLost)() = nullptr;
XErrorHandler previousError = nullptr;
XIOErrorHandler previousIoError = nullptr;
std::vector<XID> ours;
// Windows we destroyed ourselves: a request still on its way to one of them fails
// harmlessly. Only the last few are kept; a reused id leaves the list.
std::vector<XID> destroyed;
constexpr std::size_t kDestroyedKept = 32;
bool windowLost = false;

bool Ours(XID id) { return std::find(ours.begin(), ours.end(), id) != ours.end(); }
bool DestroyedByUs(XID id) { return std::find(destroyed.begin(), destroyed.end(), id) != destroyed.end(); }

void Forget(std::vector<XID>& ids, XID id) { ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end()); }

std::optional<XID> X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    return info.info.x11.window;
}

// A request on a window destroyed from outside fails with BadWindow or BadDrawable; any
// other error goes on to SDL's handler (and from there to Xlib's, which ends the process).
int OnError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        if (DestroyedByUs(error->resourceid)) return 0;
        if (Ours(error->resourceid)) {
            windowLost = true;
            return 0;
        }
    }
    return previousError ? previousError(display, error) : 0;
}

// Xlib ends the process when this returns, so it never does.
int OnIoError(Display*) {
    onLost();
    return 0;
}

}  // namespace

void Start(void (*lost)()) {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0) return;
    onLost = lost;
    previousError = XSetErrorHandler(OnError);
    previousIoError = XSetIOErrorHandler(OnIoError);
    // DestroyNotify arrives only as a window-system event.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    active = true;
}

// The error handler stays: while SDL shuts down, a request may still reach a window that
// is already gone, and all our windows are going.
void Stop() {
    if (!active) return;
    XSetIOErrorHandler(previousIoError);
    SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
    destroyed.insert(destroyed.end(), ours.begin(), ours.end());
    ours.clear();
    active = false;
}

void AddWindow(SDL_Window* window) {
    if (!active) return;
    if (auto id = X11WindowOf(window)) {
        Forget(destroyed, *id);
        ours.push_back(*id);
    }
}

// Called before the window is destroyed, so its own DestroyNotify finds it gone.
void RemoveWindow(SDL_Window* window) {
    if (!active) return;
    if (auto id = X11WindowOf(window)) {
        Forget(ours, *id);
        destroyed.push_back(*id);
        if (destroyed.size() > kDestroyedKept) destroyed.erase(destroyed.begin());
    }
}

bool WindowLost() { return windowLost; }

bool WindowLost(const SDL_SysWMmsg* msg) {
    if (msg && msg->subsystem == SDL_SYSWM_X11) {
        const XEvent& ev = msg->msg.x11.event;
        if (ev.type == DestroyNotify && Ours(ev.xdestroywindow.window)) windowLost = true;
    }
    return windowLost;
}

}  // namespace x11_watch
