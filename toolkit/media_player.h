// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden media player that plays the coin sound: the file it holds, played in the
// background.
#include <string>

#include "support/outcome.h"
#include "toolkit/component.h"

class TMediaPlayer : public TComponent {
public:
    using TComponent::TComponent;
    std::string FileName;
    bool Visible = false;

    // Starts FileName playing and returns at once; a sound still playing is cut off.
    // A missing or damaged file plays nothing; the result is Missing() for the first and
    // carries the text to show for the second.
    Outcome Play();
};
