// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the play history lives, and how a damaged one is moved out of the way.
#include <cstdint>
#include <filesystem>
#include <string>

#include "support/result.h"

inline constexpr const char* kHistoryFileName = "Tresolo-Statistik.sqlite";

// An installed program keeps it in $XDG_DATA_HOME/tresolo/ (~/.local/share/tresolo/), one
// run from its build folder beside its INI file. Empty when there is no place for it. The
// folder is made when the history is first written, not before.
std::filesystem::path HistoryFile(bool installed, const std::string& iniFile);

// Renames the file, and its write-ahead log and index beside it, to a free name that says
// it was damaged and when: "Tresolo-Statistik-beschaedigt-2026-12-06-223900.sqlite".
// Gives the new name, or why it could not be moved.
Result<std::filesystem::path> MoveAside(const std::filesystem::path& file, std::int64_t stamp);
