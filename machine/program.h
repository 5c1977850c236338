// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start: the three windows in their order and the icon.
#include "machine/platform_services.h"
#include "toolkit/application.h"

// Creates the main window (its FormCreate runs), the menu dialog and the name dialog.
void CreateTresoloWindows(TApplication& app, PlatformServices services = {});

// The window icon from the built-in artwork.
void SetWindowIcon(TForm& form);
