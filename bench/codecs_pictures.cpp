// SPDX-License-Identifier: GPL-3.0-or-later
// Codec and filter timings on the sizes the game uses: the 686 × 548 chest
// shrunk by nine steps to 506 × 413, its JPEG decode, and one blur tick of the
// 91 × 60 reel strip.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>

#include "codecs/bmp.h"
#include "codecs/jpeg.h"
#include "codecs/lanczos.h"
#include "media/split_blur.h"
#include "tests/codecs/test_pictures.h"

namespace {

const PixelBuffer& Chest() {
    static const PixelBuffer picture = MakeTestPicture(686, 548, 7);
    return picture;
}

// With TRESOLO_BENCH_PICTURE set, the chest picture is written there as a
// bitmap, so that other resamplers can be timed on the same pixels.
const bool kWritten = [] {
    if (const char* path = std::getenv("TRESOLO_BENCH_PICTURE")) {
        const std::vector<std::uint8_t> file = EncodeBmp(Chest());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                    static_cast<std::streamsize>(file.size()));
    }
    return true;
}();

void BM_LanczosChestNineSteps(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LanczosResize(Chest(), 506, 413));
}
BENCHMARK(BM_LanczosChestNineSteps)->Unit(benchmark::kMillisecond);

void BM_JpegDecodeChest(benchmark::State& state) {
    const std::vector<std::uint8_t> file = EncodeJpeg(Chest(), 90);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(file));
}
BENCHMARK(BM_JpegDecodeChest)->Unit(benchmark::kMillisecond);

void BM_SplitBlurStrip(benchmark::State& state) {
    const PixelBuffer strip = MakeTestPicture(91, 60, 3);
    PixelBuffer work;
    for (auto _ : state) {
        work = strip;
        SplitBlur(work, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(work.data());
    }
}
BENCHMARK(BM_SplitBlurStrip)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
