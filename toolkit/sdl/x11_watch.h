// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches the X server under SDL's x11 driver for the two ways the program's windows go
// away under it: the connection breaks (the server ended, or the client was killed), or
// another client destroys one of its windows. Xlib would end the process at once in
// either case; here the first calls `lost` and the second is reported to the loop.
// Kept apart from the backend so Xlib's macros meet no other header.
struct SDL_Window;
struct SDL_SysWMmsg;

namespace x11_watch {

// Installs the error handler before SDL opens the display: SDL keeps the handler it finds
// and puts it back when it closes the display, when late errors of its second connection
// (a wake-up sent to a window that has just gone) still arrive.
void Prepare();
// Installs the handlers when the video driver is x11; `lost` must not return.
void Start(void (*lost)());
// Restores Xlib's I/O error handler before the video subsystem shuts down.
void Stop();

void AddWindow(SDL_Window* window);
void RemoveWindow(SDL_Window* window);

// True once one of our windows was destroyed by someone else: a request on it failed,
// or the server told so (`msg`, a window-system event SDL passed on).
bool WindowLost();
bool WindowLost(const SDL_SysWMmsg* msg);

}  // namespace x11_watch
