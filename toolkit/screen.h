// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen the windows are shown on, as the application's backend reports it.

class TScreen {
public:
    int Width() const;
    int Height() const;
};

extern TScreen* Screen;
