// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where an installed program finds its data: a share folder at a fixed place relative to
// the program file (../share/games/tresolo for /usr/games/tresolo), so a moved install
// still finds it. A program in its build folder has none and keeps its data beside itself.
#include <filesystem>

// The data folder of an install whose program lies in `programDir`, when that folder
// exists; empty otherwise.
std::filesystem::path InstalledDataDirFor(const std::filesystem::path& programDir);

// The same for the running program.
std::filesystem::path InstalledDataDir();
