// SPDX-License-Identifier: GPL-3.0-or-later
// The wave reader on any bytes: samples or a failed result with its reason, never a fault.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "platform/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LoadedWave wave = DecodeWave(std::span(data, size), "Muenze.WAV");
    if (wave.result) {
        FUZZ_CHECK(wave.result.reason.empty());
    } else {
        FUZZ_CHECK(!wave.result.Missing());
        FUZZ_CHECK(wave.result.reason.starts_with("Muenze.WAV: "));
        FUZZ_CHECK(wave.samples.empty());
    }
    return 0;
}
