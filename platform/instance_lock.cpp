// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "support/atomic_file.h"
#include "support/read_file.h"

namespace {

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "?";
    return name;
}

// The process's start in clock ticks after boot, field 22 of /proc/PID/stat; "0" where
// there is no /proc. A pid taken again by a later process has another start.
std::string StartOf(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t name = stat.rfind(')');
    if (name == std::string::npos) return "0";
    std::istringstream fields(stat.substr(name + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    return field.empty() ? "0" : field;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

bool WriteWhole(int fd, const std::string& text) {
    if (::ftruncate(fd, 0) != 0) return false;
    return ::pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
}

}  // namespace

std::string ThisProcessMark() {
    const long pid = ::getpid();
    return HostName() + " " + std::to_string(pid) + " " + StartOf(pid);
}

bool MarkAlive(const std::string& mark) {
    std::istringstream in(mark);
    std::string host, start;
    long pid = 0;
    if (!(in >> host >> pid >> start) || pid <= 0) return false;
    if (host != HostName()) return true;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
    return StartOf(pid) == start;
}

InstanceLock::InstanceLock(const std::filesystem::path& file, bool useFlock) : file_(file), useFlock_(useFlock) {
    std::error_code ignored;
    if (!std::filesystem::exists(file_, ignored)) std::filesystem::create_directories(file_.parent_path(), ignored);
    fd_ = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock file in a folder that has since become read-only still locks.
    if (fd_ < 0) fd_ = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
    Retry();
}

InstanceLock::~InstanceLock() {
    if (ownerFile_) ::unlink(OwnerFile().c_str());
    if (fd_ >= 0) ::close(fd_);
}

std::filesystem::path InstanceLock::OwnerFile() const { return file_.string() + ".owner"; }

InstanceLock::State InstanceLock::Retry() {
    if (state_ == State::Alone) return state_;
    if (fd_ >= 0 && useFlock_) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            state_ = State::Alone;
            // The last holder's note is gone before a second start can read it.
            Publish("");
            return state_;
        }
        if (errno == EWOULDBLOCK) return state_ = State::OtherRuns;
    }
    return state_ = TakeOwnerFile();
}

// Linked in place whole or not at all, also on a network file system: of two starts, one
// takes the name. An owner that has ended is replaced once.
InstanceLock::State InstanceLock::TakeOwnerFile() {
    const std::filesystem::path owner = OwnerFile();
    AtomicWriteOptions once;
    once.newFileMode = 0600;
    once.replace = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const Outcome taken = WriteFileAtomically(owner, ThisProcessMark() + "\n", once);
        if (taken) {
            ownerFile_ = true;
            return State::Alone;
        }
        if (taken.errorNumber != EEXIST) break;
        const Result<std::string> held = ReadFileText(owner);
        if (held && MarkAlive(FirstLine(*held))) return State::OtherRuns;
        ::unlink(owner.c_str());
    }
    return State::Unguarded;
}

// The lock file is written in place: its lock belongs to the file as it is. The owner file
// is replaced whole, so that a second start never reads half a mark and takes it for dead.
void InstanceLock::Publish(const std::string& text) {
    if (state_ != State::Alone) return;
    const std::string signed_ = ThisProcessMark() + "\n" + text;
    if (ownerFile_) {
        // Best effort: without the note a second start only finds no window to raise.
        static_cast<void>(WriteFileAtomically(OwnerFile(), signed_));
        return;
    }
    WriteWhole(fd_, signed_);
}

std::string InstanceLock::Published() const {
    for (const std::filesystem::path& from : {OwnerFile(), file_}) {
        const Result<std::string> stored = ReadFileText(from);
        const std::size_t line = stored ? stored->find('\n') : std::string::npos;
        if (line != std::string::npos && MarkAlive(FirstLine(*stored))) return stored->substr(line + 1);
    }
    return {};
}

bool AnotherCopyRuns() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return false;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos || name == std::to_string(::getpid())) continue;
        std::error_code unreadable;
        if (std::filesystem::read_symlink(entry.path() / "exe", unreadable) == self) return true;
    }
    return false;
}
