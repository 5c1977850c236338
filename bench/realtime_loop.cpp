// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the loop on the real clock in a real window (run it under Xvfb):
//  - processor time used over a stretch with a 100 ms and a 1000 ms timer running;
//  - how late 100 pauses of 50 ms end (median and worst), beside 100 plain sleeps of the
//    same length, the least any pause can overshoot on this machine;
//  - resident memory at the end.
// Usage: realtime_loop [idle seconds, default 20]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench/process_stats.h"
#include "toolkit/machpause.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/sdl/sdl_backend.h"
#include "toolkit/timer.h"

namespace {

double CpuSeconds() {
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// How many milliseconds each of 100 calls of pause(50) ends late, sorted.
template <class Pause>
std::vector<double> LateMs(Pause pause) {
    std::vector<double> late;
    for (int i = 0; i < 100; ++i) {
        const auto start = std::chrono::steady_clock::now();
        pause(50);
        late.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() -
                       50.0);
    }
    std::sort(late.begin(), late.end());
    return late;
}

}  // namespace

int main(int argc, char** argv) {
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 20;
    TApplication app(std::make_unique<SdlBackend>(), std::make_unique<RealClock>());
    TForm* form = nullptr;
    app.CreateForm(form);
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->Color = clBlack;
    form->SetBounds(0, 0, 820, 649);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->Color = clWhite;
    label->SetCaption("0");
    int fast = 0, slow = 0;
    auto* t100 = new TTimer(form);
    t100->SetInterval(100);
    t100->OnTimer = [&](TObject*) { ++fast; };
    auto* t1000 = new TTimer(form);
    t1000->SetInterval(1000);
    t1000->OnTimer = [&](TObject*) { label->SetCaption(std::to_string(++slow)); };
    form->Show();

    auto* pause = new TMachPause(form);
    pause->Pause(500);  // let the window settle
    const double cpuStart = CpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    for (int i = 0; i < idleSeconds; ++i) pause->Pause(1000);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = CpuSeconds() - cpuStart;

    const auto lateMs = LateMs([&](int ms) { pause->Pause(ms); });
    const auto sleepLateMs = LateMs([](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
    std::printf("idle: %.1f s with 100 ms and 1000 ms timers (%d and %d ticks): %.2f %% of one core\n", wall, fast,
                slow, 100.0 * cpu / wall);
    std::printf("pause 50 ms x 100: late by median %.2f ms, worst %.2f ms\n", lateMs[50], lateMs.back());
    std::printf("plain sleep 50 ms x 100: late by median %.2f ms, worst %.2f ms\n", sleepLateMs[50],
                sleepLateMs.back());
    std::printf("resident memory: %.1f MB\n", ResidentKb() / 1024.0);
    return 0;
}
