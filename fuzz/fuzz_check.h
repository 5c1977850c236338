// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the fuzz targets: a broken invariant is a finding, reported like a crash, and a
// scratch file for the readers that only take a path.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : FuzzCheckFailed(#condition, __FILE__, __LINE__))

[[noreturn]] inline void FuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

// A file in a folder of its own (in memory where /dev/shm exists), made once per process and
// removed at its end; Write replaces its bytes.
class ScratchFile {
public:
    explicit ScratchFile(const char* name) {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path(ec);
        std::string pattern = (base / "tresolo-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        file_ = folder_ / name;
    }
    ~ScratchFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& Write(std::string_view bytes) const {
        std::ofstream(file_, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file_;
    }

private:
    std::filesystem::path folder_, file_;
};
