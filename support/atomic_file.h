#pragma once
// Replaces a file's content all at once: a reader sees the old file or the new one, never half.
#include <filesystem>
#include <string>
#include <string_view>

struct WriteOutcome {
    bool ok = false;
    std::string error;     // a one-line reason naming the file when !ok
    int errorNumber = 0;   // errno of the failure; EEXIST when the file was not to be replaced
    explicit operator bool() const { return ok; }
};

struct AtomicWriteOptions {
    bool makeFolder = false;        // create missing folders first
    unsigned newFileMode = 0644;    // permissions of a file that did not exist yet
    bool replace = true;            // false: an existing file stays, and the write fails with EEXIST
};

// Writes a temporary file in the same folder, flushes it to disk and renames it over `file`
// (or links it in place when it may not replace one: two writers never take one name).
// An existing file keeps its permissions. Never throws; the temporary file is removed on failure,
// and a successful write removes the temporaries of writers that were killed before their rename.
WriteOutcome WriteFileAtomically(const std::filesystem::path& file, std::string_view content,
                                 const AtomicWriteOptions& options = {});
