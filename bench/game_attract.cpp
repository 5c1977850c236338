// The attract mode for a minute of virtual time: frames presented per second, and the wall
// time per frame (composing and everything else the loop did). Usage: game_attract [seconds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "machine/form1.h"
#include "machine/program.h"
#include "support/user_store_path.h"
#include "toolkit/headless/harness.h"

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const auto folder = std::filesystem::temp_directory_path() / "tresolo-bench-attract";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    SetUserStorePath(folder / "store.ini");
    {
        HeadlessHarness h;
        PlatformServices services;
        services.cpuClock.readCounter = [] { return std::optional<std::uint64_t>(0); };
        services.cpuClock.sleep = [](int) {};
        CreateTresoloWindows(h.App(), services);
        Form1->Show();
        h.RunFor(6000);  // the show has begun
        const auto* window = h.Backend().Find(Form1->Window());
        const int before = window->presents;
        const auto t0 = std::chrono::steady_clock::now();
        h.RunFor(seconds * 1000);
        const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        const int frames = window->presents - before;
        std::printf("attract mode, %d s virtual: %d frames, %.1f per second, %.3f ms wall per frame\n", seconds,
                    frames, frames / static_cast<double>(seconds), wall / frames);
    }
    SetUserStorePath({});
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder);
    return 0;
}
