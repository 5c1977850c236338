#include "platform/tone.h"

#include "platform/audio_device.h"
#include "platform/sleep.h"

void PlayTone(int hz, int ms) {
    if (ms <= 0) return;
    // A silent tone is queued too, so that later tones keep their place in time.
    const int pitch = hz >= kToneMinHz && hz <= kToneMaxHz ? hz : 0;
    WithAudioVoices([&](AudioVoices& voices) { voices.tone.Queue(pitch, ms); });
    SleepMilliseconds(ms);
}
