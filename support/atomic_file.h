// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replaces a file's content all at once: a reader sees the old file or the new one, never half.
#include <filesystem>
#include <string>
#include <string_view>

#include "support/outcome.h"

struct AtomicWriteOptions {
    bool makeFolder = false;        // create missing folders first
    unsigned newFileMode = 0644;    // permissions of a file that did not exist yet
    bool replace = true;            // false: an existing file stays, and the write fails with EEXIST
};

// Writes a temporary file in the same folder, flushes it to disk and renames it over `file`
// (or links it in place when it may not replace one: two writers never take one name).
// An existing file keeps its permissions. Never throws; the temporary file is removed on failure,
// and a successful write removes the temporaries of writers that were killed before their rename.
// A failure's reason names the file; its error number is EEXIST when the file was not to be
// replaced.
Outcome WriteFileAtomically(const std::filesystem::path& file, std::string_view content,
                            const AtomicWriteOptions& options = {});
