// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wave voice: one sound in the device format, played once from its start.
#include <cstdint>
#include <vector>

class WaveVoice {
public:
    // Replaces whatever is playing and starts samples from the beginning.
    void Start(std::vector<int16_t> samples);
    // Adds the next n samples of the sound to acc (nothing after its end).
    void Mix(int32_t* acc, int n);
    bool Playing() const { return position_ < samples_.size(); }

private:
    std::vector<int16_t> samples_;
    std::size_t position_ = 0;
};
