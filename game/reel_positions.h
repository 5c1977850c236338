// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reel strip: the picture at each stop position. A stop draws a position with equal chance.
#include <array>

#include "machine/reel_pictures.h"

// The left and the right reel use all 28 positions, the middle reel the first 24.
inline constexpr int kOuterReelPositionCount = 28;
inline constexpr int kMiddleReelPositionCount = 24;

inline constexpr std::array<Walzenbild, kOuterReelPositionCount> kReelStrip = {
    Walzenbild::W1,   Walzenbild::W1,   Walzenbild::W1,    // 0-2
    Walzenbild::W2,   Walzenbild::W2,   Walzenbild::W2,    // 3-5
    Walzenbild::W3,   Walzenbild::W4,   Walzenbild::W5,    // 6-8
    Walzenbild::W6_1, Walzenbild::W6_1, Walzenbild::W6_1,  // 9-11
    Walzenbild::W6_2, Walzenbild::W6_2, Walzenbild::W6_2,  // 12-14
    Walzenbild::W6_3, Walzenbild::W6_3, Walzenbild::W6_3,  // 15-17
    Walzenbild::W7,   Walzenbild::W8,   Walzenbild::W9,    // 18-20
    Walzenbild::W10,  Walzenbild::W11,  Walzenbild::W12,   // 21-23
    // Beyond the middle reel's end: four more 50s for the outer reels.
    Walzenbild::W7,   Walzenbild::W7,   Walzenbild::W7,   Walzenbild::W7,  // 24-27
};

int PositionCount(Reel reel);

// The picture a reel shows when it stops on position 0 <= position < PositionCount(reel);
// throws std::out_of_range for any other position.
Walzenbild PictureAtPosition(Reel reel, int position);
