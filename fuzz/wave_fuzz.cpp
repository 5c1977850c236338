// The wave reader on any bytes: samples or a Damaged result with its error text, never a fault.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "platform/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LoadedWave wave = DecodeWave(std::span(data, size), "Muenze.WAV");
    if (wave.result.status == WaveStatus::Ok) {
        FUZZ_CHECK(wave.result.error.empty());
    } else {
        FUZZ_CHECK(wave.result.status == WaveStatus::Damaged);
        FUZZ_CHECK(wave.result.error.starts_with("Muenze.WAV: "));
        FUZZ_CHECK(wave.samples.empty());
    }
    return 0;
}
