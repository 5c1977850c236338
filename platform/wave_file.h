// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a RIFF/WAVE file into the audio device's format.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/result.h"

// Mono, 16-bit, kAudioSampleRate.
using WaveSamples = std::vector<int16_t>;

// Missing() when there is no file of that name: the caller stays silent. Any other failure is
// a damaged file (no wave, unreadable, cut short): the reason is the text to show, starting
// with the file's name.
Result<WaveSamples> LoadWaveFile(const std::string& path);
// The same for a file's bytes held in memory; `name` starts the error text.
Result<WaveSamples> DecodeWave(std::span<const std::uint8_t> bytes, const std::string& name);
