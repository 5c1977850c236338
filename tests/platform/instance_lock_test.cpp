// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per user, and the signals that end a copy in order.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/instance_lock.h"
#include "platform/stop_signals.h"
#include "tests/support/temp_folder.h"

namespace {

// Each open of the file is a copy of its own, as two processes are.
TEST(InstanceLock, SecondCopyFindsTheFirstAndWritesNothing) {
    TempFolder folder;
    const auto file = folder / "tresolo" / "tresolo.lock";
    InstanceLock first(file);
    ASSERT_EQ(first.state(), InstanceLock::State::Alone);
    first.Publish("4711 :5\n");
    InstanceLock second(file);
    EXPECT_EQ(second.state(), InstanceLock::State::OtherRuns);
    second.Publish("99 :1\n");
    EXPECT_EQ(second.Published(), "4711 :5\n");
    EXPECT_EQ(ReadBytes(file), "4711 :5\n");
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
