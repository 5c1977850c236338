// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing a wave file in the background.
#include <string>

#include "platform/wave_file.h"

// Loads the file and starts it playing, returning at once; a sound already playing
// is cut off and this one starts from the beginning. Missing or damaged files play
// nothing and say so in the result, as LoadWaveFile does. Without sound output a good
// file plays silently.
Outcome PlayWaveAsync(const std::string& path);
