// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real main window on a headless application with a virtual clock, created in a
// fresh working and settings folder so that no test sees another's files.
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "machine/form1.h"
#include "tests/support/temp_folder.h"
#include "toolkit/headless/harness.h"

// Makes a folder the working and settings folder until it is destroyed.
class EnteredFolder {
public:
    explicit EnteredFolder(const std::filesystem::path& folder) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~EnteredFolder() { std::filesystem::current_path(old_); }

private:
    std::filesystem::path old_;
};

class SceneWindow {
public:
    SceneWindow() {
        PlatformServices services;
        services.cpuClock.readCounter = [] { return std::optional<std::uint64_t>(0); };
        services.cpuClock.sleep = [](int) {};  // no 500 ms of real time per test
        // Through the program's own form variable, which the dialogs reach it by.
        form = harness.App().CreateForm(Form1, services);
    }

    // Destroyed in reverse: the window saves while the folder is still entered.
    TempFolder folder;
    EnteredFolder entered{folder.path()};
    HeadlessHarness harness;
    TForm1* form = nullptr;
};
