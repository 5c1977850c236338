// SPDX-License-Identifier: GPL-3.0-or-later
// The page's sound: a Web Audio script node pulls the mixed voices in blocks. Browsers start
// it only after the player's first click or key (page.js resumes it then).
#include "platform/audio_device.h"

#include <emscripten.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kBlockSamples = 2048;  // about 46 ms: the node's block size

AudioVoices& Voices() {
    static AudioVoices voices;
    return voices;
}

std::vector<int16_t>& Block() {
    static std::vector<int16_t> block(kBlockSamples);
    return block;
}

enum class State { Closed, Open, Unavailable };
State state = State::Closed;

}  // namespace

// Without the page (the test programs under node) there is no device, as on a machine without sound.
EM_JS(int, tresolo_open_audio, (int rate, int samples, int16_t* block), {
    return typeof TresoloPage !== 'undefined' && TresoloPage.openAudio(rate, samples, block) ? 1 : 0;
});
EM_JS(void, tresolo_close_audio, (), { TresoloPage.closeAudio(); });

// The script node asks for the next block; its samples lie in Block() afterwards.
extern "C" EMSCRIPTEN_KEEPALIVE void tresolo_fill_audio(int samples) {
    MixVoices(Voices(), Block().data(), samples < kBlockSamples ? samples : kBlockSamples);
}

bool WithAudioVoices(const std::function<void(AudioVoices&)>& change) {
    if (state == State::Closed) {
        state = tresolo_open_audio(kAudioSampleRate, kBlockSamples, Block().data()) ? State::Open : State::Unavailable;
        if (state == State::Unavailable) std::fprintf(stderr, "tresolo: no sound (Web Audio)\n");
    }
    if (state != State::Open) return false;
    change(Voices());
    return true;
}

void ShutdownAudio() {
    if (state == State::Open) tresolo_close_audio();
    state = State::Closed;
    Voices() = AudioVoices{};
}
