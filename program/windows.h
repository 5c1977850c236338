// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program put together: the three windows in their order and the play history with its
// window. This folder stands above all others; the desktop's main, the page and the tests
// start the program through it.
#include "machine/platform_services.h"
#include "toolkit/application.h"

// Creates the main window (its FormCreate runs), the menu dialog and the name dialog, and
// attaches the play history.
void CreateTresoloWindows(TApplication& app, PlatformServices services = {});

// The window icon from the built-in artwork.
void SetWindowIcon(TForm& form);
