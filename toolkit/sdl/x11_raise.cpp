// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/sdl/x11_raise.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace x11_raise {

namespace {

// The window may be gone by now: its errors are expected, not fatal.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

void AskWindowManager(Display* display, Window window) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = window;
    ev.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = 2;  // asked for by the user, through a tool
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &ev);
}

}  // namespace

unsigned long WindowOf(SDL_Window* ours) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(ours, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return static_cast<unsigned long>(info.info.x11.window);
}

bool RaiseForeignWindow(unsigned long id) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XErrorHandler previous = XSetErrorHandler(IgnoreError);
    const Window window = static_cast<Window>(id);
    XWindowAttributes attributes;
    const bool exists = XGetWindowAttributes(display, window, &attributes) != 0;
    if (exists) {
        AskWindowManager(display, window);
        XMapRaised(display, window);
        if (attributes.map_state == IsViewable) XSetInputFocus(display, window, RevertToParent, CurrentTime);
        XSync(display, False);
    }
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return exists;
}

}  // namespace x11_raise
