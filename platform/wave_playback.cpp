// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_playback.h"

#include <utility>

#include "platform/audio_device.h"

Outcome PlayWaveAsync(const std::string& path) {
    LoadedWave wave = LoadWaveFile(path);
    if (wave.result)
        WithAudioVoices([&](AudioVoices& voices) { voices.wave.Start(std::move(wave.samples)); });
    return wave.result;
}
