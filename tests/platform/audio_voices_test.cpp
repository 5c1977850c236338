// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/audio_voices.h"

namespace {

std::vector<int32_t> Render(ToneVoice& voice, int n) {
    std::vector<int32_t> acc(n, 0);
    voice.Mix(acc.data(), n);
    return acc;
}

constexpr int A = ToneVoice::kAmplitude;

TEST(ToneVoice, SquareWaveOfTheGivenPitchAndLength) {
    ToneVoice voice(8000);
    voice.Queue(1000, 2);  // 16 samples, 8 per period
    const std::vector<int32_t> out = Render(voice, 20);
    const std::vector<int32_t> period{A, A, A, A, -A, -A, -A, -A};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(out[i], period[i % 8]) << "sample " << i;
    for (int i = 16; i < 20; ++i) EXPECT_EQ(out[i], 0) << "after the tone, sample " << i;
    EXPECT_TRUE(voice.Idle());
}

TEST(ToneVoice, QueuedTonesFollowEachOtherAcrossBuffers) {
    ToneVoice voice(1000);
    voice.Queue(250, 8);  // 8 samples: + + - - + + - -
    voice.Queue(0, 3);    // 3 samples of silence
    voice.Queue(500, 4);  // continues its phase: + - + -
    std::vector<int32_t> out;
    for (int chunk : {5, 5, 7}) {
        const std::vector<int32_t> part = Render(voice, chunk);
        out.insert(out.end(), part.begin(), part.end());
    }
    const std::vector<int32_t> expected{A, A, -A, -A, A, A, -A, -A, 0, 0, 0, A, -A, A, -A, 0, 0};
    EXPECT_EQ(out, expected);
}

TEST(ToneVoice, ABacklogOfMoreThanTwoSecondsIsDropped) {
    ToneVoice voice(1000);
    voice.Queue(100, 1500);
    voice.Queue(100, 1500);
    voice.Queue(250, 4);  // the pending 3 s are dropped first
    EXPECT_EQ(Render(voice, 6), (std::vector<int32_t>{A, A, -A, -A, 0, 0}));
}

TEST(WaveVoice, PlaysOnceAndRestartsOnStart) {
    WaveVoice voice;
    EXPECT_FALSE(voice.Playing());
    voice.Start({1, 2, 3});
    std::vector<int32_t> acc(2, 10);
    voice.Mix(acc.data(), 2);
    EXPECT_EQ(acc, (std::vector<int32_t>{11, 12}));
    voice.Start({7, 8, 9});
    acc.assign(5, 0);
    voice.Mix(acc.data(), 5);
    EXPECT_EQ(acc, (std::vector<int32_t>{7, 8, 9, 0, 0}));
    EXPECT_FALSE(voice.Playing());
}

TEST(MixVoices, AddsBothVoicesAndClipsOverLongBuffers) {
    AudioVoices voices;
    voices.wave.Start(std::vector<int16_t>(1000, 30000));
    voices.tone.Queue(1000, 1000);
    ToneVoice twin(kAudioSampleRate);
    twin.Queue(1000, 1000);
    const std::vector<int32_t> tone = Render(twin, 1200);

    std::vector<int16_t> out(1200, 5);
    MixVoices(voices, out.data(), static_cast<int>(out.size()));
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(out[i], tone[i] > 0 ? 32767 : 30000 - A) << "sample " << i;
    for (int i = 1000; i < 1200; ++i) ASSERT_EQ(out[i], tone[i]) << "tone alone, sample " << i;
}

}  // namespace
