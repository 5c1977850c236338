// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/launch_viewer.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace {

// xdg-open's exit codes when no program could show the target: none found (3), or the
// desktop's own opener failed (4).
bool OpenerFoundNoViewer(int status) {
    return WIFEXITED(status) && (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 4);
}

}  // namespace

// Starts xdg-open on target directly, with no shell in between, and reaps it later.
bool LaunchViewer(const std::string& target, NoViewerCall noViewer) {
    char program[] = "xdg-open";
    std::string argument = target;
    char* argv[] = {program, argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0) return false;
    // Some openers run the viewer in the foreground; don't hold the caller up.
    std::thread([child, noViewer = std::move(noViewer)] {
        int status = 0;
        if (waitpid(child, &status, 0) == child && OpenerFoundNoViewer(status) && noViewer) noViewer();
    }).detach();
    return true;
}

