// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

Outcome Failed(const std::filesystem::path& file, const std::string& reason, int errorNumber) {
    return Outcome::Failed("cannot read " + file.string() + ": " + reason, errorNumber);
}

// Appends everything that is left in the descriptor; false on a read error.
bool ReadAll(int fd, std::string& out) {
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0) return true;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        out.append(chunk, static_cast<std::size_t>(got));
    }
}

}  // namespace

Result<std::string> ReadFileText(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // A folder missing on the way is as good as a missing file.
        if (errno == ENOENT || errno == ENOTDIR) return Failed(file, std::strerror(errno), ENOENT);
        return Failed(file, std::strerror(errno), errno);
    }
    std::string text;
    Outcome failure;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        failure = Failed(file, "not a regular file", 0);
    } else if (!ReadAll(fd, text)) {
        failure = Failed(file, std::strerror(errno), errno);
    }
    ::close(fd);
    if (!failure) return failure;
    return text;
}
