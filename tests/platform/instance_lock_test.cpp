// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per user, and the signals that end a copy in order.
#include <gtest/gtest.h>

#include <sstream>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/instance_lock.h"
#include "platform/stop_signals.h"
#include "tests/support/temp_folder.h"

namespace {

// A child process that takes the lock, publishes `note` and waits to be killed.
struct Holder {
    Holder(const std::filesystem::path& file, bool useFlock, const std::string& note) {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        pid = ::fork();
        if (pid == 0) {
            InstanceLock held(file, useFlock);
            held.Publish(note);
            [[maybe_unused]] auto n = ::write(ready[1], "x", 1);
            ::pause();
            ::_exit(0);
        }
        char x;
        EXPECT_EQ(::read(ready[0], &x, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~Holder() { Kill(); }
    void Kill() {
        if (pid <= 0) return;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = 0;
    }
    pid_t pid = 0;
};

// Each open of the file is a copy of its own, as two processes are.
TEST(InstanceLock, SecondCopyFindsTheFirstAndWritesNothing) {
    TempFolder folder;
    const auto file = folder / "tresolo" / "tresolo.lock";
    InstanceLock first(file);
    ASSERT_EQ(first.state(), InstanceLock::State::Alone);
    first.Publish("4711 :5\n");
    const std::string held = ReadBytes(file);
    InstanceLock second(file);
    EXPECT_EQ(second.state(), InstanceLock::State::OtherRuns);
    second.Publish("99 :1\n");
    EXPECT_EQ(second.Published(), "4711 :5\n");
    EXPECT_EQ(ReadBytes(file), held);
}

// A window named by a copy that has ended is never raised: its note dies with it, also in
// the moment before the next first copy publishes its own.
TEST(InstanceLock, ANoteOfACopyThatEndedIsNeverRead) {
    for (bool useFlock : {true, false}) {
        TempFolder folder;
        const auto file = folder / "tresolo.lock";
        Holder first(file, useFlock, "4711 :5\n");
        InstanceLock second(file, useFlock);
        ASSERT_EQ(second.state(), InstanceLock::State::OtherRuns) << useFlock;
        EXPECT_EQ(second.Published(), "4711 :5\n") << useFlock;
        first.Kill();
        EXPECT_EQ(second.Published(), "") << useFlock;
        InstanceLock next(file, useFlock);
        ASSERT_EQ(next.state(), InstanceLock::State::Alone) << useFlock;
        EXPECT_EQ(second.Published(), "") << useFlock;
    }
}

// Without flock (a network home folder) the owner file keeps one copy: a second start finds
// the first, and takes over once the first has ended, however it ended.
TEST(InstanceLock, WithoutFlockTheOwnerFileKeepsOneCopy) {
    TempFolder folder;
    const auto file = folder / "tresolo.lock";
    {
        InstanceLock first(file, false);
        ASSERT_EQ(first.state(), InstanceLock::State::Alone);
        InstanceLock second(file, false);
        EXPECT_EQ(second.state(), InstanceLock::State::OtherRuns);
        EXPECT_EQ(second.Retry(), InstanceLock::State::OtherRuns);
    }
    Holder killed(file, false, "");
    InstanceLock later(file, false);
    EXPECT_EQ(later.state(), InstanceLock::State::OtherRuns);
    killed.Kill();
    EXPECT_EQ(later.Retry(), InstanceLock::State::Alone);
    InstanceLock third(file, false);
    EXPECT_EQ(third.state(), InstanceLock::State::OtherRuns);
}

// A mark names the process by host, id and start: a process id taken again by a later
// process is not the owner any more.
TEST(InstanceLock, AMarkLivesWithItsProcess) {
    EXPECT_TRUE(MarkAlive(ThisProcessMark()));
    std::istringstream mark(ThisProcessMark());
    std::string host, pid, start;
    mark >> host >> pid >> start;
    EXPECT_FALSE(MarkAlive(host + " " + pid + " " + start + "1"));
    EXPECT_TRUE(MarkAlive("another-host 1 1"));
    EXPECT_FALSE(MarkAlive(""));
}

// Where no lock can be had at all, a second copy still sees the first among the processes.
TEST(InstanceLock, WithoutAnyLockAnotherCopyIsSeen) {
    TempFolder folder;
    Holder copy(folder / "tresolo.lock", true, "");
    EXPECT_TRUE(AnotherCopyRuns());
}

// The kernel gives the lock back however the holder ends, SIGKILL too.
TEST(InstanceLock, AKilledCopyBlocksNothing) {
    TempFolder folder;
    const auto file = folder / "tresolo.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstanceLock held(file);
        [[maybe_unused]] auto n = ::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char x;
    ASSERT_EQ(::read(ready[0], &x, 1), 1);
    InstanceLock later(file);
    EXPECT_EQ(later.state(), InstanceLock::State::OtherRuns);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(later.Retry(), InstanceLock::State::Alone);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(InstanceLock, NoFolderToBeHadRunsUnguarded) {
    TempFolder folder;
    WriteBytes(folder / "file", "");
    InstanceLock lock(folder / "file" / "tresolo.lock");
    EXPECT_EQ(lock.state(), InstanceLock::State::Unguarded);
}

TEST(StopSignals, EachArrivalIsToldOnce) {
    WatchStopSignals();
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ::raise(signal);
        EXPECT_EQ(TakeStopSignal(), signal);
        EXPECT_EQ(TakeStopSignal(), 0);
    }
}

}  // namespace
