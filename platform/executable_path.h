// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own file and folder.
#include <filesystem>

// The absolute path of the running program file; empty when it cannot be found.
std::filesystem::path ExecutablePath();
// The folder that holds it; empty when it cannot be found.
std::filesystem::path ExecutableDir();
