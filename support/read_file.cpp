#include "support/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

FileText Unreadable(const std::filesystem::path& file, const std::string& reason) {
    return {ReadStatus::Unreadable, {}, "cannot read " + file.string() + ": " + reason};
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

FileText ReadFileText(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {ReadStatus::Missing, {}, {}};
        return Unreadable(file, std::strerror(errno));
    }
    FileText result{ReadStatus::Ok, {}, {}};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result = Unreadable(file, "not a regular file");
    } else if (!ReadAll(fd, result.text)) {
        result = Unreadable(file, std::strerror(errno));
    }
    ::close(fd);
    return result;
}
