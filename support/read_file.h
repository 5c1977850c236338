// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a whole file as bytes, telling a missing file apart from one that cannot be read.
#include <filesystem>
#include <string>

#include "support/outcome.h"

struct FileText {
    Outcome result;    // Missing() when there is no such file
    std::string text;  // the bytes as stored when the result is ok
    // Failed although something is there.
    bool Unreadable() const { return !result.ok && !result.Missing(); }
};

// Never throws for file-system trouble; a folder or device in place of the file is Unreadable.
FileText ReadFileText(const std::filesystem::path& file);
