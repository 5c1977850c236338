// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/executable_path.h"

#include <system_error>

std::filesystem::path ExecutablePath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

std::filesystem::path ExecutableDir() { return ExecutablePath().parent_path(); }
