// SPDX-License-Identifier: GPL-3.0-or-later
// The first paint's fit of the full-size chest above the button bar: nine shrink steps
// in one call, two 686 × 548 pictures resampled, then a layout pass.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "machine/form1.h"
#include "tests/machine/started_program.h"
#include "toolkit/headless/harness.h"

namespace {

void BM_FirstPaintChestFit(benchmark::State& state) {
    const auto settings = std::filesystem::temp_directory_path() / "tresolo-bench-settings";
    std::filesystem::create_directories(settings);
    ::setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    const PlatformServices services = WithQuietCpuClock();
    for (auto _ : state) {
        state.PauseTiming();
        {
            HeadlessHarness h;
            TForm1* form = h.App().CreateForm(Form1, services);
            state.ResumeTiming();
            form->GroesseTruheEinstellen(9);
            benchmark::DoNotOptimize(form->VordergrundImage->Height());
            state.PauseTiming();
        }  // the window is freed outside the measurement
        state.ResumeTiming();
    }
    std::filesystem::remove_all(settings);
}
BENCHMARK(BM_FirstPaintChestFit)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
