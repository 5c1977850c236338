// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's frame as its X background while it is being mapped. The X server paints a
// window's background the moment it maps it; the frame itself would follow only after the
// exposure has made the round trip to the program, so without this a window first shows
// black (or whatever lay below it) for that moment.
struct SDL_Window;
struct SDL_Surface;

namespace x11_backdrop {

// Before mapping: the surface's pixels become the background. False (and nothing done)
// outside the x11 driver or when the surface's pixels are not the window's own format.
bool Set(SDL_Window* ours, const SDL_Surface& frame);
// Once the window shows its frame, or the frame changed: no background again (SDL's own
// setting), so a later exposure shows no old frame before the program paints the current one.
void Clear(SDL_Window* ours);

}  // namespace x11_backdrop
