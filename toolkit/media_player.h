#pragma once
// The hidden media player that plays the coin sound: a file name and a play request.
#include <string>

#include "toolkit/component.h"

class TMediaPlayer : public TComponent {
public:
    using TComponent::TComponent;
    std::string FileName;
    bool Visible = false;
};
