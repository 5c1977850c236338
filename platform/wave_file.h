#pragma once
// Reading a RIFF/WAVE file into the audio device's format.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class WaveStatus {
    Ok,
    Missing,  // no file of that name: the caller stays silent
    Damaged,  // not a wave file, unreadable or cut short: error holds the text to show
};

struct WaveResult {
    WaveStatus status = WaveStatus::Ok;
    std::string error;
};

struct LoadedWave {
    WaveResult result;
    std::vector<int16_t> samples;  // mono, 16-bit, kAudioSampleRate
};

LoadedWave LoadWaveFile(const std::string& path);
// The same for a file's bytes held in memory; `name` starts the error text.
LoadedWave DecodeWave(std::span<const std::uint8_t> bytes, const std::string& name);
