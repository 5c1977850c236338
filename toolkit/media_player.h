#pragma once
// The hidden media player that plays the coin sound: the file it holds, played in the
// background.
#include <string>

#include "platform/wave_file.h"
#include "toolkit/component.h"

class TMediaPlayer : public TComponent {
public:
    using TComponent::TComponent;
    std::string FileName;
    bool Visible = false;

    // Starts FileName playing and returns at once; a sound still playing is cut off.
    // A missing or damaged file plays nothing, and the result says which.
    WaveResult Play();
};
