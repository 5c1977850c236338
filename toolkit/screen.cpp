// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/screen.h"

#include "toolkit/application.h"

namespace {
TScreen theScreen;
}

TScreen* Screen = &theScreen;

int TScreen::Width() const { return Application->Backend_().ScreenSize().X; }
int TScreen::Height() const { return Application->Backend_().ScreenSize().Y; }
