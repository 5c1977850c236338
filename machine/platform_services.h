// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating-system services the main window asks for. Each starts as the real one;
// tests replace them.
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/cpu_clock.h"
#include "platform/install_layout.h"
#include "platform/internet_state.h"
#include "platform/local_time.h"
#include "platform/open_document.h"
#include "platform/os_version.h"

struct PlatformServices {
    std::function<std::optional<OsVersion>()> queryOsVersion = QueryOsVersion;
    ClockProbe cpuClock;                              // the 500 ms clock measurement
    std::function<bool()> internetConnected = InternetConnected;
    std::function<bool(const std::string&, NoViewerCall)> openDocument = OpenDocument;
    std::function<std::tm()> localTime = LocalNow;
    std::string programFileName = "tresolo";          // the own-folder test looks for it
    // The data folder of an install; an empty path: run as from a build folder.
    std::function<std::filesystem::path()> installedDataDir = InstalledDataDir;
    bool keepPlayHistory = true;                      // the statistics' database of every game
};
