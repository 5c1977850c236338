// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/launch_viewer.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

// Starts xdg-open on target directly, with no shell in between, and reaps it later.
bool LaunchViewer(const std::string& target) {
    char program[] = "xdg-open";
    std::string argument = target;
    char* argv[] = {program, argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0) return false;
    // Some openers run the viewer in the foreground; don't hold the caller up.
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    return true;
}

