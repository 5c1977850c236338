// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/install_layout.h"

#include <system_error>

#include "platform/executable_path.h"

// TRESOLO_DATA_FROM_PROGRAM, the data folder relative to the program's folder, comes from
// the build's install layout (cmake/install.cmake).

std::filesystem::path InstalledDataDirFor(const std::filesystem::path& programDir) {
    if (programDir.empty()) return {};
    const std::filesystem::path data = (programDir / TRESOLO_DATA_FROM_PROGRAM).lexically_normal();
    std::error_code error;
    return std::filesystem::is_directory(data, error) ? data : std::filesystem::path();
}

std::filesystem::path InstalledDataDir() { return InstalledDataDirFor(ExecutableDir()); }
