// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tone.h"

#include "platform/audio_device.h"
#include "platform/sleep.h"

void StartTone(int hz, int ms) {
    if (ms <= 0) return;
    // A silent tone is queued too, so that later tones keep their place in time.
    const int pitch = hz >= kToneMinHz && hz <= kToneMaxHz ? hz : 0;
    WithAudioVoices([&](AudioVoices& voices) { voices.tone.Queue(pitch, ms); });
}

void PlayTone(int hz, int ms) {
    StartTone(hz, ms);
    SleepMilliseconds(ms);
}
