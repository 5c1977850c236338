// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per user: a lock file in the per-user folder, held with flock for the
// program's life. The kernel lets go of it however the process ends, SIGKILL included, so
// a killed copy never blocks the next start. Where the file system has no flock (a network
// home folder without a lock manager), an owner file beside it names the host, the process
// and its start; an owner that no longer lives is replaced.
#include <filesystem>
#include <string>

class InstanceLock {
public:
    enum class State {
        Alone,       // this copy holds the lock
        OtherRuns,   // another copy holds it
        Unguarded,   // no lock can be had either way (no home folder, a read-only folder)
    };

    // Tries once, without waiting. Creates the file and its folder when missing; a copy
    // that finds another running has written nothing. `useFlock` false stands for a file
    // system without flock.
    explicit InstanceLock(const std::filesystem::path& file, bool useFlock = true);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // Tries again; a copy that has ended in the meantime leaves the lock to this one.
    State Retry();

    // The holder leaves a short text for a later start (its main window, say), signed with
    // its process so that the text dies with it.
    void Publish(const std::string& text);
    // What a living holder left; empty when nothing yet, or when its writer has ended.
    std::string Published() const;

private:
    State TakeOwnerFile();
    std::filesystem::path OwnerFile() const;

    std::filesystem::path file_;
    bool useFlock_;
    int fd_ = -1;
    bool ownerFile_ = false;  // this copy holds the lock through the owner file
    State state_ = State::Unguarded;
};

// "host pid start": this process as a lock names it.
std::string ThisProcessMark();
// Whether the process a mark names still runs; a process on another host counts as running.
bool MarkAlive(const std::string& mark);
// Where no lock can be had: whether a process of this program's file runs besides this one
// (only processes of the same user can be read).
bool AnotherCopyRuns();
