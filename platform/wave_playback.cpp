// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_playback.h"

#include <utility>

#include "platform/audio_device.h"

Outcome PlayWaveAsync(const std::string& path) {
    Result<WaveSamples> wave = LoadWaveFile(path);
    if (!wave) return wave.Why();
    WithAudioVoices([&](AudioVoices& voices) { voices.wave.Start(std::move(*wave)); });
    return Outcome::Done();
}
