// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_file.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>

#include "platform/audio_voices.h"

namespace {

struct SdlWave {
    Uint8* data = nullptr;
    Uint32 length = 0;
    SDL_AudioSpec format{};
    SdlWave() = default;
    SdlWave(const SdlWave&) = delete;
    SdlWave& operator=(const SdlWave&) = delete;
    ~SdlWave() { SDL_FreeWAV(data); }
};

Outcome Damaged(const std::string& path) { return Outcome::Failed(path + ": " + SDL_GetError()); }

// The coin sound lasts half a second. A header whose rate makes a few bytes last longer than
// this is damaged: converting it would take memory and time in proportion (4 GiB at 1 Hz).
constexpr Uint32 kLongestSeconds = 60;

bool PlausibleLength(const SdlWave& wave) {
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(wave.format.format) / 8 * wave.format.channels;
    return frameBytes > 0 && wave.format.freq > 0 &&
           wave.length / frameBytes <= std::uint64_t{kLongestSeconds} * static_cast<Uint32>(wave.format.freq);
}

// SDL_AudioCVT rather than SDL_AudioStream: the stream loses samples when it changes
// channels, width and rate at once.
std::optional<std::vector<int16_t>> ToDeviceFormat(const SdlWave& wave) {
    if (!PlausibleLength(wave)) {
        SDL_SetError("the sound would last longer than %u seconds", static_cast<unsigned>(kLongestSeconds));
        return std::nullopt;
    }
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, wave.format.format, wave.format.channels, wave.format.freq, AUDIO_S16SYS, 1,
                          kAudioSampleRate) < 0)
        return std::nullopt;
    std::vector<Uint8> buffer(static_cast<std::size_t>(wave.length) * std::max(cvt.len_mult, 1));
    std::copy_n(wave.data, wave.length, buffer.data());
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(wave.length);
    cvt.len_cvt = cvt.len;
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return std::nullopt;
    std::vector<int16_t> samples(static_cast<std::size_t>(cvt.len_cvt) / sizeof(int16_t));
    std::copy_n(buffer.data(), samples.size() * sizeof(int16_t), reinterpret_cast<Uint8*>(samples.data()));
    return samples;
}

Uint32 ReadLE32(const Uint8* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<Uint32>(p[3]) << 24;
}

// Where the chunks start: after "RIFF" and its size, or at once after a bare "WAVE" (SDL reads
// both); 0 when the bytes are no wave file at all.
Sint64 FirstChunk(const Uint8* start) {
    if (std::memcmp(start, "RIFF", 4) == 0 && std::memcmp(start + 8, "WAVE", 4) == 0) return 12;
    if (std::memcmp(start, "WAVE", 4) == 0) return 4;
    return 0;
}

// SDL takes as much memory as a chunk's header claims before it reads the chunk, so a damaged
// length of 4 GiB costs 4 GiB. Every chunk up to the samples must fit in the file.
bool ChunksFitFile(SDL_RWops* file) {
    const Sint64 size = SDL_RWsize(file);
    Uint8 header[12];
    bool fits = true;
    if (SDL_RWread(file, header, sizeof header, 1) == 1) {
        for (Sint64 at = FirstChunk(header); at > 0 && at + 8 <= size;
             at += 8 + ReadLE32(header + 4) + (ReadLE32(header + 4) & 1)) {
            if (SDL_RWseek(file, at, RW_SEEK_SET) != at || SDL_RWread(file, header, 8, 1) != 1) break;
            fits = size - at - 8 >= ReadLE32(header + 4);
            if (!fits || std::memcmp(header, "data", 4) == 0) break;
        }
    }
    SDL_RWseek(file, 0, RW_SEEK_SET);
    return fits;
}

// Reads the wave from `file` and closes it.
Result<WaveSamples> FromStream(SDL_RWops* file, const std::string& name) {
    if (file == nullptr) return Damaged(name);
    if (!ChunksFitFile(file)) {
        SDL_RWclose(file);
        SDL_SetError("a chunk of the WAVE file is longer than the file");
        return Damaged(name);
    }
    // A file cut short is an error, not the part of it that is there.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    SdlWave wave;
    if (SDL_LoadWAV_RW(file, 1, &wave.format, &wave.data, &wave.length) == nullptr) return Damaged(name);
    std::optional<std::vector<int16_t>> samples = ToDeviceFormat(wave);
    if (!samples) return Damaged(name);
    return std::move(*samples);
}

}  // namespace

Result<WaveSamples> LoadWaveFile(const std::string& path) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return Outcome::Failed(path + ": " + std::strerror(ENOENT), ENOENT);
    return FromStream(SDL_RWFromFile(path.c_str(), "rb"), path);
}

Result<WaveSamples> DecodeWave(std::span<const std::uint8_t> bytes, const std::string& name) {
    return FromStream(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), name);
}
