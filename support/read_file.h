// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a whole file as bytes, telling a missing file apart from one that cannot be read.
#include <filesystem>
#include <string>

#include "support/result.h"

// The bytes as stored; Missing() when there is no such file. Never throws for file-system
// trouble; a folder or device in place of the file fails as unreadable.
Result<std::string> ReadFileText(const std::filesystem::path& file);

// Failed although something is there.
template <class T>
bool Unreadable(const Result<T>& read) {
    return !read && !read.Missing();
}
