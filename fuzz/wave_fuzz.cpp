// SPDX-License-Identifier: GPL-3.0-or-later
// The wave reader on any bytes: samples or a failed result with its reason, never a fault.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "platform/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<WaveSamples> wave = DecodeWave(std::span(data, size), "Muenze.WAV");
    if (wave) {
        FUZZ_CHECK(wave.Why().ok && wave.Why().reason.empty());
    } else {
        FUZZ_CHECK(!wave.Why().ok);
        FUZZ_CHECK(!wave.Missing());
        FUZZ_CHECK(wave.Why().reason.starts_with("Muenze.WAV: "));
    }
    return 0;
}
