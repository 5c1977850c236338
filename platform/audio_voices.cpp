// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio_voices.h"

#include <algorithm>
#include <array>

void MixVoices(AudioVoices& voices, int16_t* out, int n) {
    std::array<int32_t, 256> acc;
    while (n > 0) {
        const int count = std::min(n, static_cast<int>(acc.size()));
        std::fill_n(acc.begin(), count, 0);
        voices.tone.Mix(acc.data(), count);
        voices.wave.Mix(acc.data(), count);
        for (int i = 0; i < count; ++i) out[i] = static_cast<int16_t>(std::clamp(acc[i], -32768, 32767));
        out += count;
        n -= count;
    }
}
