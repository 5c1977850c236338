#pragma once
// The operating-system services the main window asks for, replaceable in tests.
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/cpu_clock.h"
#include "platform/install_layout.h"
#include "platform/os_version.h"

struct PlatformServices {
    std::function<std::optional<OsVersion>()> queryOsVersion = QueryOsVersion;
    ClockProbe cpuClock;                              // the 500 ms clock measurement
    std::function<bool()> internetConnected;          // InternetConnected() when empty
    std::function<bool(const std::string&)> openDocument;  // OpenDocument() when empty
    std::function<std::tm()> localTime;               // the system's local time when empty
    std::string programFileName = "tresolo";          // the own-folder test looks for it
    std::function<std::filesystem::path()> installedDataDir = InstalledDataDir;  // empty: not installed
    bool keepPlayHistory = true;                      // the statistics' database of every game
};
