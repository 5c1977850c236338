// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_voice.h"

#include <algorithm>
#include <utility>

void WaveVoice::Start(std::vector<int16_t> samples) {
    samples_ = std::move(samples);
    position_ = 0;
}

void WaveVoice::Mix(int32_t* acc, int n) {
    const std::size_t count = std::min(samples_.size() - position_, static_cast<std::size_t>(std::max(n, 0)));
    for (std::size_t i = 0; i < count; ++i) acc[i] += samples_[position_ + i];
    position_ += count;
}
