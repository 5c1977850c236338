// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per user: a lock file in the per-user folder, held with flock for the
// program's life. The kernel lets go of it however the process ends, SIGKILL included, so
// a killed copy never blocks the next start.
#include <filesystem>
#include <string>

class InstanceLock {
public:
    enum class State {
        Alone,       // this copy holds the lock
        OtherRuns,   // another copy holds it
        Unguarded,   // no lock file can be had (no home folder, a read-only folder)
    };

    // Tries once, without waiting. Creates the file and its folder when missing; a copy
    // that finds another running has written nothing.
    explicit InstanceLock(const std::filesystem::path& file);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // Tries again; a copy that has ended in the meantime leaves the lock to this one.
    State Retry();

    // The holder leaves a short text for a later start (its main window, say).
    void Publish(const std::string& text);
    // What the holder left; empty when nothing yet.
    std::string Published() const;

private:
    std::filesystem::path file_;
    int fd_ = -1;
    State state_ = State::Unguarded;
};
