// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reel_positions.h"

#include <stdexcept>
#include <string>

int PositionCount(Reel reel) {
    return reel == Reel::Middle ? kMiddleReelPositionCount : kOuterReelPositionCount;
}

Walzenbild PictureAtPosition(Reel reel, int position) {
    if (position < 0 || position >= PositionCount(reel)) {
        throw std::out_of_range("no reel position " + std::to_string(position));
    }
    return kReelStrip[static_cast<std::size_t>(position)];
}
