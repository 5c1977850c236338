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
bool windowLost = false;

bool Ours(XID id) { return std::find(ours.begin(), ours.end(), id) != ours.end(); }

std::optional<XID> X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    return info.info.x11.window;
}

// A request on a window destroyed from outside fails with BadWindow or BadDrawable; any
// other error goes on to SDL's handler (and from there to Xlib's, which ends the process).
int OnError(Display* display, XErrorEvent* error) {
    if ((error->error_code == BadWindow || error->error_code == BadDrawable) && Ours(error->resourceid)) {
        windowLost = true;
        return 0;
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

void Stop() {
    if (!active) return;
    XSetErrorHandler(previousError);
    XSetIOErrorHandler(previousIoError);
    SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
    ours.clear();
    active = false;
}

void AddWindow(SDL_Window* window) {
    if (!active) return;
    if (auto id = X11WindowOf(window)) ours.push_back(*id);
}

// Called before the window is destroyed, so its own DestroyNotify finds it gone.
void RemoveWindow(SDL_Window* window) {
    if (!active) return;
    if (auto id = X11WindowOf(window)) ours.erase(std::remove(ours.begin(), ours.end(), *id), ours.end());
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
