// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the X server's keyboard focus belongs to no window at all. Without a window
// manager nobody hands the focus on when a dialog closes; the program then may take it
// without taking it from anyone.
struct SDL_Window;

namespace x11_focus {

// True under the x11 driver when the focus is None or follows the pointer.
bool FocusIsNowhere(SDL_Window* ours);

}  // namespace x11_focus
