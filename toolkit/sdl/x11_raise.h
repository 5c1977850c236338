// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Brings a top-level window of another client to the front: through the window manager
// (_NET_ACTIVE_WINDOW), and directly for a desktop without one. Kept apart from the
// backend so Xlib's macros meet no other header.
struct SDL_Window;

namespace x11_raise {

// The X window behind one of ours; 0 under another video driver.
unsigned long WindowOf(SDL_Window* window);

// False when no X display opens or the window is not on it.
bool RaiseForeignWindow(unsigned long window);

}  // namespace x11_raise
