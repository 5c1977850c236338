#include "platform/install_layout.h"

#include <system_error>

#include "platform/executable_path.h"

// The build passes the data folder relative to the program's folder.
#ifndef TRESOLO_DATA_FROM_PROGRAM
#define TRESOLO_DATA_FROM_PROGRAM "../share/games/tresolo"
#endif

std::filesystem::path InstalledDataDirFor(const std::filesystem::path& programDir) {
    if (programDir.empty()) return {};
    const std::filesystem::path data = (programDir / TRESOLO_DATA_FROM_PROGRAM).lexically_normal();
    std::error_code error;
    return std::filesystem::is_directory(data, error) ? data : std::filesystem::path();
}

std::filesystem::path InstalledDataDir() { return InstalledDataDirFor(ExecutableDir()); }
