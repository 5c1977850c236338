// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the output device plays: the tone voice and the wave voice, mixed.
#include <cstdint>

#include "platform/tone_voice.h"
#include "platform/wave_voice.h"

// The device format: mono, signed 16-bit, native byte order, at this rate.
constexpr int kAudioSampleRate = 44100;

struct AudioVoices {
    ToneVoice tone{kAudioSampleRate};
    WaveVoice wave;
};

// Fills out with n samples of both voices added, clipped to the 16-bit range.
void MixVoices(AudioVoices& voices, int16_t* out, int n);
