// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "support/read_file.h"

InstanceLock::InstanceLock(const std::filesystem::path& file) : file_(file) {
    std::error_code ignored;
    if (!std::filesystem::exists(file_, ignored)) std::filesystem::create_directories(file_.parent_path(), ignored);
    fd_ = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock file in a folder that has since become read-only still locks.
    if (fd_ < 0) fd_ = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
    Retry();
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

InstanceLock::State InstanceLock::Retry() {
    if (fd_ < 0 || state_ == State::Alone) return state_;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
        state_ = State::Alone;
    else
        state_ = errno == EWOULDBLOCK ? State::OtherRuns : State::Unguarded;
    return state_;
}

// Written in place: the lock belongs to the file as it is, so it is never replaced.
void InstanceLock::Publish(const std::string& text) {
    if (state_ != State::Alone) return;
    if (::ftruncate(fd_, 0) != 0) return;
    [[maybe_unused]] const ssize_t written = ::pwrite(fd_, text.data(), text.size(), 0);
}

std::string InstanceLock::Published() const {
    const FileText stored = ReadFileText(file_);
    return stored.result ? stored.text : std::string();
}
