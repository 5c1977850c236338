// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio_device.h"

#include <SDL.h>

#include <cstdio>

namespace {

constexpr Uint16 kBufferSamples = 512;  // about 12 ms of latency

void FillBuffer(void* userdata, Uint8* stream, int len) {
    MixVoices(*static_cast<AudioVoices*>(userdata), reinterpret_cast<int16_t*>(stream),
              len / static_cast<int>(sizeof(int16_t)));
}

class AudioOutput {
public:
    ~AudioOutput() { Close(); }
    bool Ensure();
    void Close();
    SDL_AudioDeviceID device() const { return device_; }
    AudioVoices& voices() { return voices_; }

private:
    bool Open();
    void ReportOnce(const char* step);

    SDL_AudioDeviceID device_ = 0;
    bool unavailable_ = false;  // opening failed: stay silent until closed
    bool reported_ = false;
    AudioVoices voices_;
};

bool AudioOutput::Ensure() {
    if (device_ == 0 && !unavailable_) unavailable_ = !Open();
    return device_ != 0;
}

bool AudioOutput::Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        ReportOnce("SDL audio");
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kAudioSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kBufferSamples;
    want.callback = FillBuffer;
    want.userdata = &voices_;
    // No changes allowed: SDL converts to whatever the hardware wants.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device_ == 0) {
        ReportOnce("audio device");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void AudioOutput::ReportOnce(const char* step) {
    if (!reported_) std::fprintf(stderr, "tresolo: no sound (%s: %s)\n", step, SDL_GetError());
    reported_ = true;
}

void AudioOutput::Close() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    device_ = 0;
    unavailable_ = false;
    reported_ = false;
    voices_ = AudioVoices{};
}

AudioOutput& Output() {
    static AudioOutput output;
    return output;
}

}  // namespace

bool WithAudioVoices(const std::function<void(AudioVoices&)>& change) {
    AudioOutput& output = Output();
    if (!output.Ensure()) return false;
    SDL_LockAudioDevice(output.device());
    change(output.voices());
    SDL_UnlockAudioDevice(output.device());
    return true;
}

void ShutdownAudio() { Output().Close(); }
