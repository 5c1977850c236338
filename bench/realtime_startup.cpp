// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real program in a real window (run it under Xvfb): the time from
// entering main to the first presented frame of the main window, the clock measurement
// included, and the resident memory once the whole scene has run for two seconds.
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/process_stats.h"
#include "machine/form1.h"
#include "program/windows.h"
#include "toolkit/sdl/sdl_backend.h"
#include "toolkit/timer.h"

namespace {

using WallClock = std::chrono::steady_clock;
WallClock::time_point g_start;
double g_firstFrameMs = -1;

class TimedBackend : public SdlBackend {
public:
    void Present(WindowId id, const PixelBuffer& frame, std::span<const TRect> dirty) override {
        SdlBackend::Present(id, frame, dirty);
        if (g_firstFrameMs < 0)
            g_firstFrameMs = std::chrono::duration<double, std::milli>(WallClock::now() - g_start).count();
    }
};


}  // namespace

int main() {
    g_start = WallClock::now();
    TApplication app(std::make_unique<TimedBackend>(), std::make_unique<RealClock>());
    CreateTresoloWindows(app);
    auto* stop = new TTimer(&app);
    stop->SetInterval(2000);
    stop->OnTimer = [&](TObject*) { app.Terminate(); };
    app.Run();
    std::printf("first frame after %.0f ms; resident memory %.1f MB\n", g_firstFrameMs, ResidentKb() / 1024.0);
    return 0;
}
