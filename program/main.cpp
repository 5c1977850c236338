// SPDX-License-Identifier: GPL-3.0-or-later
// The program: one copy per user, a real window through SDL, the three windows in their
// order, the loop.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "machine/form1.h"
#include "program/windows.h"
#include "codecs/picture_prefetch.h"
#include "platform/instance_lock.h"
#include "support/resource.h"
#include "support/user_store_path.h"
#include "toolkit/dialogs.h"
#include "toolkit/font.h"
#include "toolkit/sdl/sdl_backend.h"
#include "toolkit/sdl/x11_raise.h"

namespace {

constexpr const char* kAlreadyRunning = "Tresolo läuft bereits.";
// How long a second start waits for the first one to show its window.
constexpr auto kWaitForTheFirstWindow = std::chrono::seconds(5);

std::string ThisDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display ? display : "";
}

// What the running copy leaves in its lock: its main window and the display it is on.
std::string WindowNote(unsigned long window) { return std::to_string(window) + " " + ThisDisplay() + "\n"; }

// The running copy's window when it is on this display, else 0.
unsigned long WindowOnThisDisplay(const std::string& note) {
    std::istringstream in(note);
    unsigned long window = 0;
    std::string display;
    in >> window >> display;
    return display == ThisDisplay() ? window : 0;
}

// Each copy holds the cash box from its own start and writes it at its end: two at once
// would lose deposits, so a second start brings the running copy to the front instead.
bool RaiseTheRunningCopy(InstanceLock& lock) {
    const auto end = std::chrono::steady_clock::now() + kWaitForTheFirstWindow;
    for (;;) {
        const unsigned long window = WindowOnThisDisplay(lock.Published());
        if (window != 0 && x11_raise::RaiseForeignWindow(window)) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (lock.Retry() != InstanceLock::State::OtherRuns) return false;
    }
}

// The running copy's window could not be raised: the player is told, in a box when a
// display is there. Nothing is written.
void SayItRunsAlready() {
    std::cerr << "tresolo: " << kAlreadyRunning << '\n';
    try {
        FontEngine::Instance().CheckAvailable();
        TApplication app(std::make_unique<SdlBackend>(), std::make_unique<RealClock>());
        ShowInformation(kAlreadyRunning);
    } catch (const std::exception&) {
        // No display: stderr has said it.
    }
}

// Every picture built into the program, the largest first: the worker decodes those while
// the windows are still being made and takes the most off their way.
std::vector<std::span<const std::uint8_t>> BuiltInPictures() {
    std::vector<std::span<const std::uint8_t>> files;
    for (const Resource& r : AllResources()) files.emplace_back(r.data, r.size);
    std::ranges::sort(files, [](auto a, auto b) { return a.size() > b.size(); });
    return files;
}

int Play(InstanceLock& lock) {
    SdlBackend::SkipBusAutolaunch();
    // The pictures decode beside the fonts and the X connection; the windows take them.
    std::optional<PicturePrefetch> pictures(std::in_place, BuiltInPictures());
    FontEngine::Instance().CheckAvailable();
    TApplication app(std::make_unique<SdlBackend>(), std::make_unique<RealClock>());
    try {
        CreateTresoloWindows(app);
        // Without its window the program cannot go on, but it takes its end step and says
        // whether it could keep everything.
        app.OnDisplayLost = [] {
            const bool saved = !Form1 || Form1->KeepForNextStart();
            std::cerr << "tresolo: Die Anzeige ist weg; Spielername und Kasse "
                      << (saved ? "sind gespeichert.\n" : "konnten nicht gespeichert werden.\n");
        };
        SetWindowIcon(*Form1);
        pictures.reset();  // every picture is taken; the worker is done
        // Once the main window is on the screen, a second start can find it.
        app.QueueCall([&] {
            auto& backend = static_cast<SdlBackend&>(app.Backend_());
            lock.Publish(WindowNote(backend.NativeWindow(Form1->Window())));
        });
        app.Run();
    } catch (const HaltRequest& h) {
        return h.exitCode;
    }
    return 0;
}

}  // namespace

int main() {
    InstanceLock lock(UserStorePath().parent_path() / "tresolo.lock");
    // Without a lock the second copy is still refused when it can see the first.
    if (lock.state() == InstanceLock::State::Unguarded) {
        std::cerr << "tresolo: keine Sperre gegen einen zweiten Start möglich\n";
        if (AnotherCopyRuns()) {
            SayItRunsAlready();
            return 0;
        }
    }
    if (lock.state() == InstanceLock::State::OtherRuns) {
        const bool raised = RaiseTheRunningCopy(lock);
        // Unless the other copy has ended in the meantime, this one ends here.
        if (lock.state() == InstanceLock::State::OtherRuns) {
            if (!raised) SayItRunsAlready();
            return 0;
        }
    }
    try {
        return Play(lock);
    } catch (const std::exception& e) {
        std::cerr << "tresolo: " << e.what() << '\n';
        return 1;
    }
}
