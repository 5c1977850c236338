// SPDX-License-Identifier: GPL-3.0-or-later
// Sound through SDL's dummy driver (see sdl_environment.cpp): nothing is heard, but
// the device, its playback thread and the file loading run for real.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <thread>

#include "platform/audio_device.h"
#include "platform/audio_voices.h"
#include "platform/tone.h"
#include "platform/wave_file.h"
#include "platform/wave_playback.h"

namespace {

using Clock = std::chrono::steady_clock;

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A PCM wave file of frames sample frames of a simple ramp.
std::string WaveBytes(int rate, int channels, int bits, int frames) {
    const uint32_t blockAlign = channels * bits / 8;
    const uint32_t dataSize = frames * blockAlign;
    std::string out = "RIFF";
    PutLE(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2);  // PCM
    PutLE(out, channels, 2);
    PutLE(out, rate, 4);
    PutLE(out, rate * blockAlign, 4);
    PutLE(out, blockAlign, 2);
    PutLE(out, bits, 2);
    out += "data";
    PutLE(out, dataSize, 4);
    for (uint32_t i = 0; i < dataSize; ++i) out.push_back(static_cast<char>(i * 7));
    return out;
}

class AudioOutput : public testing::Test {
protected:
    void TearDown() override {
        ShutdownAudio();
        std::filesystem::remove_all(dir_);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(dir_);
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static bool WavePlaying() {
        bool playing = false;
        WithAudioVoices([&](AudioVoices& voices) { playing = voices.wave.Playing(); });
        return playing;
    }

    std::filesystem::path dir_ = std::filesystem::path(testing::TempDir()) /
                                 ("tresolo-audio-" + std::to_string(getpid()));
};

TEST_F(AudioOutput, TonesBlockForTheirLengthAudibleOrNot) {
    const Clock::time_point start = Clock::now();
    PlayTone(400, 100);
    PlayTone(20, 50);     // below the range: silent
    PlayTone(40000, 50);  // above it
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(190));
    PlayTone(440, 0);
    PlayTone(440, -100);
}

TEST_F(AudioOutput, DeviceOpensAgainAfterShutdown) {
    PlayTone(800, 20);
    ShutdownAudio();
    EXPECT_TRUE(WithAudioVoices([](AudioVoices&) {}));
}

TEST_F(AudioOutput, GoodWavePlaysInTheBackgroundToItsEnd) {
    const std::string path = Write("coin.wav", WaveBytes(22050, 1, 16, 2205));  // 100 ms
    EXPECT_TRUE(PlayWaveAsync(path).ok);
    EXPECT_TRUE(WavePlaying());
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (WavePlaying() && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(WavePlaying()) << "the device's thread never consumed the sound";
    EXPECT_TRUE(PlayWaveAsync(path).ok);
    EXPECT_TRUE(WavePlaying()) << "playing again starts over";
}

TEST_F(AudioOutput, MissingWaveIsSilentWithoutError) {
    const Outcome result = PlayWaveAsync((dir_ / "Muenze.WAV").string());
    EXPECT_TRUE(result.Missing());
    EXPECT_FALSE(WavePlaying());
}

TEST_F(AudioOutput, UnreadableWavesReportAnErrorText) {
    const std::string good = WaveBytes(22050, 1, 16, 2205);
    const std::string cases[][2] = {
        {"garbage.wav", std::string(100, 'x')},
        {"empty.wav", ""},
        {"cut-data.wav", good.substr(0, good.size() / 2)},
        {"cut-header.wav", good.substr(0, 30)},
    };
    for (const auto& [name, bytes] : cases) {
        const std::string path = Write(name, bytes);
        const Outcome result = PlayWaveAsync(path);
        EXPECT_FALSE(result.ok || result.Missing()) << name;
        EXPECT_NE(result.reason.find(path), std::string::npos) << result.reason;
        EXPECT_GT(result.reason.size(), path.size() + 2) << "no reason given for " << name;
    }
    EXPECT_FALSE(WavePlaying());
    const Outcome folder = PlayWaveAsync(dir_.string());
    EXPECT_FALSE(folder.ok || folder.Missing()) << "a folder is no wave file";
}

// Found by fuzzing: SDL took the 4 GiB a damaged chunk length claims, and a rate of 1 Hz made
// a short sound last minutes at 44100 samples a second.
TEST_F(AudioOutput, HeadersClaimingHugeSizesAreDamaged) {
    std::string hugeChunk = WaveBytes(22050, 1, 16, 100);
    hugeChunk.replace(40, 4, "\xF0\xFF\xFF\xFF", 4);  // the data chunk's length
    const std::string cases[][3] = {
        {"huge-chunk.wav", hugeChunk, "longer than the file"},
        {"one-hertz.wav", WaveBytes(1, 1, 16, 100), "longer than 60 seconds"},
    };
    for (const auto& [name, bytes, reason] : cases) {
        const Result<WaveSamples> wave = LoadWaveFile(Write(name, bytes));
        EXPECT_FALSE(wave || wave.Missing()) << name;
        EXPECT_NE(wave.Why().reason.find(reason), std::string::npos) << wave.Why().reason;
    }
}

TEST_F(AudioOutput, OtherFormatsAreConvertedToTheDeviceFormat) {
    // 8-bit stereo at 11025 Hz: 1102 frames last 100 ms, that is 4410 device samples.
    const Result<WaveSamples> wave = LoadWaveFile(Write("stereo8.wav", WaveBytes(11025, 2, 8, 1102)));
    ASSERT_TRUE(wave) << wave.Why().reason;
    EXPECT_NEAR(static_cast<double>(wave->size()), 4408.0, 50.0);
}

// One reader serves the desktop and the page: samples at the device's rate keep their values,
// channels are averaged, 8-bit samples are centred on 128, and the shipped coin sound reads.
TEST_F(AudioOutput, SamplesKeepTheirValues) {
    std::string mono = WaveBytes(kAudioSampleRate, 1, 16, 3);
    mono.replace(44, 6, "\x00\x80\xFF\x7F\x34\x12", 6);
    const Result<WaveSamples> same = DecodeWave(std::span(reinterpret_cast<const std::uint8_t*>(mono.data()), mono.size()), "m");
    ASSERT_TRUE(same) << same.Why().reason;
    EXPECT_EQ(*same, (WaveSamples{-32768, 32767, 0x1234}));

    std::string stereo8 = WaveBytes(kAudioSampleRate, 2, 8, 2);
    stereo8.replace(44, 4, "\x80\xFF\x00\x80", 4);
    const Result<WaveSamples> mixed = DecodeWave(std::span(reinterpret_cast<const std::uint8_t*>(stereo8.data()), stereo8.size()), "s");
    ASSERT_TRUE(mixed) << mixed.Why().reason;
    ASSERT_EQ(mixed->size(), 2u);
    EXPECT_EQ((*mixed)[0], 127 * 256 / 2);  // (0 + 127/128) / 2
    EXPECT_EQ((*mixed)[1], -16384);

    // The same samples under the extensible header (as many editors write 16-bit files).
    std::string extensible = "RIFF" + std::string(4, '\0') + "WAVEfmt ";
    PutLE(extensible, 40, 4);
    PutLE(extensible, 0xFFFE, 2);
    PutLE(extensible, 1, 2);
    PutLE(extensible, kAudioSampleRate, 4);
    PutLE(extensible, kAudioSampleRate * 2, 4);
    PutLE(extensible, 2, 2);
    PutLE(extensible, 16, 2);
    PutLE(extensible, 22, 2);  // the extension's size
    PutLE(extensible, 16, 2);  // valid bits
    PutLE(extensible, 4, 4);   // centre speaker
    PutLE(extensible, 1, 2);   // the sub-format: PCM, then the rest of its identifier
    extensible += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    extensible += "data";
    PutLE(extensible, 6, 4);
    extensible += std::string("\x00\x80\xFF\x7F\x34\x12", 6);
    const Result<WaveSamples> same2 = DecodeWave(std::span(reinterpret_cast<const std::uint8_t*>(extensible.data()), extensible.size()), "x");
    ASSERT_TRUE(same2) << same2.Why().reason;
    EXPECT_EQ(*same2, *same);

    const Result<WaveSamples> coin = LoadWaveFile(std::string(TRESOLO_SOURCE_DIR) + "/assets/Muenze.WAV");
    ASSERT_TRUE(coin) << coin.Why().reason;
    EXPECT_GT(coin->size(), static_cast<std::size_t>(kAudioSampleRate / 10));
}

}  // namespace
