// SPDX-License-Identifier: GPL-3.0-or-later
// One wave reader for the desktop and the page: uncompressed PCM (8, 16, 24 or 32 bits) or
// 32-bit float, any channels and rate, mixed down to mono and resampled to the device's rate.
#include "platform/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "platform/audio_voices.h"
#include "support/read_file.h"

namespace {

// The coin sound lasts half a second; a header that makes the samples last longer than
// this is damaged.
constexpr std::uint32_t kLongestSeconds = 60;
constexpr std::uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

struct Format {
    std::uint16_t tag = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
};

std::uint32_t Le(const std::uint8_t* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

Outcome Damaged(const std::string& name, const std::string& why) { return Outcome::Failed(name + ": " + why); }

// One sample of a frame as a value from -1 to 1.
double SampleAt(const std::uint8_t* p, const Format& f) {
    switch (f.bits) {
        case 8: return (static_cast<int>(p[0]) - 128) / 128.0;
        case 16: return static_cast<std::int16_t>(Le(p, 2)) / 32768.0;
        case 24: return static_cast<std::int32_t>(Le(p, 3) << 8) / 2147483648.0;
        default: {
            const std::uint32_t bits = Le(p, 4);
            if (f.tag == kPcm) return static_cast<std::int32_t>(bits) / 2147483648.0;
            float value = 0;
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? value : 0.0;
        }
    }
}

bool Supported(const Format& f) {
    if (f.channels == 0 || f.rate == 0) return false;
    if (f.tag == kFloat) return f.bits == 32;
    return f.tag == kPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
}

// Mono frames at the file's rate, then linearly resampled to the device's rate.
std::vector<int16_t> ToDeviceFormat(std::span<const std::uint8_t> data, const Format& f) {
    const std::size_t frameBytes = std::size_t{f.channels} * (f.bits / 8);
    const std::size_t frames = data.size() / frameBytes;
    std::vector<double> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        double sum = 0;
        for (int c = 0; c < f.channels; ++c) sum += SampleAt(data.data() + i * frameBytes + c * (f.bits / 8), f);
        mono[i] = sum / f.channels;
    }
    const std::size_t count = frames == 0 ? 0 : static_cast<std::size_t>(
        std::llround(static_cast<double>(frames) * kAudioSampleRate / f.rate));
    std::vector<int16_t> out(count);
    const double step = static_cast<double>(f.rate) / kAudioSampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        const double at = static_cast<double>(i) * step;
        const std::size_t k = std::min(static_cast<std::size_t>(at), frames - 1);
        const double next = k + 1 < frames ? mono[k + 1] : mono[k];
        const double value = mono[k] + (next - mono[k]) * (at - static_cast<double>(k));
        out[i] = static_cast<int16_t>(std::clamp(std::lround(value * 32768.0), -32768L, 32767L));
    }
    return out;
}

}  // namespace

Result<WaveSamples> LoadWaveFile(const std::string& path) {
    const Result<std::string> file = ReadFileText(path);
    if (!file) return Outcome::Failed(path + ": " + file.Why().reason, file.Why().errorNumber);
    return DecodeWave({reinterpret_cast<const std::uint8_t*>(file->data()), file->size()}, path);
}

Result<WaveSamples> DecodeWave(std::span<const std::uint8_t> bytes, const std::string& name) {
    std::size_t at = 0;
    if (bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 && std::memcmp(bytes.data() + 8, "WAVE", 4) == 0)
        at = 12;
    else if (bytes.size() >= 4 && std::memcmp(bytes.data(), "WAVE", 4) == 0)
        at = 4;
    else
        return Damaged(name, "not a WAVE file");
    std::optional<Format> format;
    for (; at + 8 <= bytes.size();) {
        const std::uint8_t* header = bytes.data() + at;
        const std::uint32_t length = Le(header + 4, 4);
        if (bytes.size() - at - 8 < length) return Damaged(name, "a chunk of the WAVE file is longer than the file");
        const std::uint8_t* body = header + 8;
        if (std::memcmp(header, "fmt ", 4) == 0 && length >= 16) {
            format = Format{static_cast<std::uint16_t>(Le(body, 2)), static_cast<std::uint16_t>(Le(body + 2, 2)),
                            static_cast<std::uint16_t>(Le(body + 14, 2)), Le(body + 4, 4)};
            // The extensible header names its real format in the first bytes of its sub-format.
            if (format->tag == kExtensible && length >= 40) format->tag = static_cast<std::uint16_t>(Le(body + 24, 2));
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (!format) return Damaged(name, "the samples come before their format");
            if (!Supported(*format)) return Damaged(name, "unsupported WAVE format");
            const std::size_t frameBytes = std::size_t{format->channels} * (format->bits / 8);
            if (length / frameBytes > std::uint64_t{kLongestSeconds} * format->rate)
                return Damaged(name, "the sound would last longer than 60 seconds");
            return ToDeviceFormat(bytes.subspan(at + 8, length), *format);
        }
        at += 8 + std::size_t{length} + (length & 1);
    }
    return Damaged(name, "the WAVE file has no samples");
}
