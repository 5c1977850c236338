// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

mode_t ModeFor(const std::filesystem::path& file, unsigned newFileMode) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) return info.st_mode & 07777;
    return static_cast<mode_t>(newFileMode);
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t done = ::write(fd, content.data(), content.size());
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// The folder entry of a rename is durable only once the folder itself is synced. Best effort.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// ".Tresolo.ini.<pid>." and six random characters: a writer killed before its rename leaves
// a temporary that names the process, so a later write can tell it is stale.
std::string TemporaryPrefix(const std::filesystem::path& file) {
    std::string prefix(1, '.');
    return prefix.append(file.filename().string()).append(1, '.');
}

std::string TemporaryName(const std::filesystem::path& file) {
    return TemporaryPrefix(file) + std::to_string(::getpid()) + ".XXXXXX";
}

// The writer's process id when `name` is a temporary of `prefix`'s file.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view prefix) {
    constexpr std::size_t kRandomPart = 6;
    if (!name.starts_with(prefix)) return std::nullopt;
    name.remove_prefix(prefix.size());
    const std::size_t dot = name.find('.');
    if (dot == 0 || dot == std::string_view::npos || name.size() - dot - 1 != kRandomPart) return std::nullopt;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dot, pid);
    if (error != std::errc() || end != name.data() + dot || pid <= 0) return std::nullopt;
    return pid;
}

// A temporary is stale when its writer is gone, or is this process, which writes one file
// at a time and has renamed its own already. A writer of another user counts as alive.
bool WriterGone(pid_t pid) {
    return pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH);
}

// Removes what killed writers of `file` left behind. Best effort.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::filesystem::path& file) {
    const std::string prefix = TemporaryPrefix(file);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<pid_t> owner = TemporaryOwner(it->path().filename().string(), prefix);
        std::error_code ignored;
        if (owner && WriterGone(*owner)) std::filesystem::remove(it->path(), ignored);
    }
}

Outcome Failure(const std::filesystem::path& file, int error) {
    return Outcome::Failed("cannot write " + file.string() + ": " + std::strerror(error), error);
}

// Puts the finished temporary in the file's place; 0 or the errno of the failure.
int Install(const std::string& temporary, const std::filesystem::path& file, bool replace) {
    if (replace) return ::rename(temporary.c_str(), file.c_str()) == 0 ? 0 : errno;
    if (::link(temporary.c_str(), file.c_str()) != 0) return errno;
    ::unlink(temporary.c_str());
    return 0;
}

// Fills and syncs the open temporary file; false leaves errno set.
bool FillTemporary(int fd, std::string_view content, mode_t mode) {
    return ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
}

}  // namespace

Outcome WriteFileAtomically(const std::filesystem::path& file, std::string_view content,
                            const AtomicWriteOptions& options) {
    const std::filesystem::path folder = FolderOf(file);
    if (options.makeFolder) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) return Failure(file, ec.value());
    }
    std::string temporary = (folder / TemporaryName(file)).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Failure(file, errno);
    int error = FillTemporary(fd, content, ModeFor(file, options.newFileMode)) ? 0 : errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0) error = Install(temporary, file, options.replace);
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(file, error);
    }
    SyncFolder(folder);
    RemoveStaleTemporaries(folder, file);
    return Outcome::Done();
}
