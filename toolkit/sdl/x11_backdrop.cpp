// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/sdl/x11_backdrop.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace x11_backdrop {

namespace {

bool X11Of(SDL_Window* ours, Display*& display, Window& window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(ours, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    display = info.info.x11.display;
    window = info.info.x11.window;
    return true;
}

}  // namespace

bool Set(SDL_Window* ours, const SDL_Surface& frame) {
    Display* display = nullptr;
    Window window = 0;
    XWindowAttributes a;
    if (!X11Of(ours, display, window) || !XGetWindowAttributes(display, window, &a)) return false;
    // SDL's window surface has the visual's pixel format; anything else is left alone.
    if (frame.format->BitsPerPixel != 32 || a.depth != 24 || frame.w != a.width || frame.h != a.height) return false;
    XImage* image = XCreateImage(display, a.visual, static_cast<unsigned>(a.depth), ZPixmap, 0,
                                 static_cast<char*>(frame.pixels), static_cast<unsigned>(frame.w),
                                 static_cast<unsigned>(frame.h), 32, frame.pitch);
    if (!image) return false;
    const Pixmap pixmap = XCreatePixmap(display, window, static_cast<unsigned>(frame.w),
                                        static_cast<unsigned>(frame.h), static_cast<unsigned>(a.depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, static_cast<unsigned>(frame.w), static_cast<unsigned>(frame.h));
    XFreeGC(display, gc);
    // The window keeps the picture for as long as it is its background.
    XSetWindowBackgroundPixmap(display, window, pixmap);
    XFreePixmap(display, pixmap);
    image->data = nullptr;  // the pixels are the surface's
    XDestroyImage(image);
    return true;
}

void Clear(SDL_Window* ours) {
    Display* display = nullptr;
    Window window = 0;
    if (!X11Of(ours, display, window)) return;
    XSetWindowBackgroundPixmap(display, window, None);
    XFlush(display);
}

}  // namespace x11_backdrop
