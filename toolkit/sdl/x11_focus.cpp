// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/sdl/x11_focus.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace x11_focus {

bool FocusIsNowhere(SDL_Window* ours) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(ours, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(info.info.x11.display, &focus, &revertTo);
    return focus == None || focus == PointerRoot;
}

}  // namespace x11_focus
