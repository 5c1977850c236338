#include "platform/wave_file.h"

#include <SDL.h>

#include <algorithm>
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

LoadedWave Damaged(const std::string& path) {
    return {{WaveStatus::Damaged, path + ": " + SDL_GetError()}, {}};
}

// SDL_AudioCVT rather than SDL_AudioStream: the stream loses samples when it changes
// channels, width and rate at once.
std::optional<std::vector<int16_t>> ToDeviceFormat(const SdlWave& wave) {
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

// Reads the wave from `file` and closes it.
LoadedWave FromStream(SDL_RWops* file, const std::string& name) {
    if (file == nullptr) return Damaged(name);
    // A file cut short is an error, not the part of it that is there.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    SdlWave wave;
    if (SDL_LoadWAV_RW(file, 1, &wave.format, &wave.data, &wave.length) == nullptr) return Damaged(name);
    std::optional<std::vector<int16_t>> samples = ToDeviceFormat(wave);
    if (!samples) return Damaged(name);
    return {{}, std::move(*samples)};
}

}  // namespace

LoadedWave LoadWaveFile(const std::string& path) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return {{WaveStatus::Missing, {}}, {}};
    return FromStream(SDL_RWFromFile(path.c_str(), "rb"), path);
}

LoadedWave DecodeWave(std::span<const std::uint8_t> bytes, const std::string& name) {
    return FromStream(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), name);
}
