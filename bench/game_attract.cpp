// SPDX-License-Identifier: GPL-3.0-or-later
// The attract mode for a minute of virtual time: frames presented per second, and the wall
// time per frame (composing and everything else the loop did). Usage: game_attract [seconds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tests/machine/started_program.h"

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    {
        StartedProgram program;
        program.StartAutomatic();
        HeadlessHarness& h = *program.harness;
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
    return 0;
}
