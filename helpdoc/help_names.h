// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The German words the help uses for the reel pictures, the ladders and their levels.
#include <string>
#include <string_view>

#include "game/combination_table.h"
#include "machine/ladder_parts.h"
#include "machine/reel_pictures.h"

// What a reel picture shows, in a word or two: "Hai", "Perlmuschel", "2 Seesterne", "1,50".
std::string_view PictureName(Walzenbild picture);

// What a step is worth: "0,50 Euro", "10 Sonderspiele".
std::string LevelText(Ladder ladder, int step);

// The three pictures of a line, left to right: "50 – Perlmuschel – 50", "dreimal Hai".
std::string CombinationText(const PictureLine& line);
