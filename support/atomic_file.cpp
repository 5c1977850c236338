#include "support/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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

std::string TemporaryName(const std::filesystem::path& file) {
    std::string name(1, '.');
    name.append(file.filename().string()).append(".XXXXXX");
    return name;
}

WriteOutcome Failure(const std::filesystem::path& file, const std::string& reason) {
    return {false, "cannot write " + file.string() + ": " + reason};
}

// Fills and syncs the open temporary file; false leaves errno set.
bool FillTemporary(int fd, std::string_view content, mode_t mode) {
    return ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
}

}  // namespace

WriteOutcome WriteFileAtomically(const std::filesystem::path& file, std::string_view content,
                                 const AtomicWriteOptions& options) {
    const std::filesystem::path folder = FolderOf(file);
    if (options.makeFolder) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) return Failure(file, ec.message());
    }
    std::string temporary = (folder / TemporaryName(file)).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Failure(file, std::strerror(errno));
    int error = FillTemporary(fd, content, ModeFor(file, options.newFileMode)) ? 0 : errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(file, std::strerror(error));
    }
    SyncFolder(folder);
    return {true, {}};
}
