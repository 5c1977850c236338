// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/sdl/x11_watch.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <vector>

namespace x11_watch {

namespace {

bool active = false;
void (*onLost)() = nullptr;
XErrorHandler previousError = nullptr;
XIOErrorHandler previousIoError = nullptr;
std::vector<XID> ours;
// Windows we closed ourselves. SDL wakes a waiting loop by sending an event to one of our
// windows over a second connection; when that window is closed in the same moment, the
// late event fails with BadWindow, which is harmless. Only the last few are kept; a reused
// id leaves the list.
std::vector<XID> closed;
constexpr std::size_t kClosedKept = 32;
// The error handler may run on the thread that sent that event.
std::mutex listsGuard;
bool windowLost = false;

bool Listed(const std::vector<XID>& list, XID id) { return std::find(list.begin(), list.end(), id) != list.end(); }

bool Ours(XID id) {
    const std::lock_guard lock(listsGuard);
    return Listed(ours, id);
}

bool ClosedByUs(XID id) {
    const std::lock_guard lock(listsGuard);
    return Listed(closed, id);
}

void Forget(std::vector<XID>& list, XID id) { list.erase(std::remove(list.begin(), list.end(), id), list.end()); }

void Remember(XID id) {
    closed.push_back(id);
    if (closed.size() > kClosedKept) closed.erase(closed.begin());
}

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
        if (Ours(error->resourceid)) {
            windowLost = true;
            return 0;
        }
        if (ClosedByUs(error->resourceid)) return 0;
    }
    return previousError ? previousError(display, error) : 0;
}

// Xlib ends the process when this returns, so it never does.
int OnIoError(Display*) {
    onLost();
    return 0;
}

}  // namespace

void Prepare() {
    if (!previousError) previousError = XSetErrorHandler(OnError);
}

void Start(void (*lost)()) {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0) return;
    onLost = lost;
    // SDL's own handler, set meanwhile, passes on to ours: ours goes first again.
    Prepare();
    XSetErrorHandler(OnError);
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
    const std::lock_guard lock(listsGuard);
    for (XID id : ours) Remember(id);
    ours.clear();
    active = false;
}

void AddWindow(SDL_Window* window) {
    if (!active) return;
    if (auto id = X11WindowOf(window)) {
        const std::lock_guard lock(listsGuard);
        Forget(closed, *id);
        ours.push_back(*id);
    }
}

// Called before the window is destroyed, so its own DestroyNotify finds it gone.
void RemoveWindow(SDL_Window* window) {
    if (!active) return;
    if (auto id = X11WindowOf(window)) {
        const std::lock_guard lock(listsGuard);
        Forget(ours, *id);
        Remember(*id);
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
