// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a step that can fail in an expected way leaves behind: done, or why not. The reason
// is one line to show or log (German where the player reads it), and the system's error
// number goes with it where there was one, so that a caller can tell a missing file
// (ENOENT) or one that must not be replaced (EEXIST) from real trouble.
#include <cerrno>
#include <string>
#include <utility>

struct Outcome {
    bool ok = true;
    std::string reason;   // empty when ok
    int errorNumber = 0;  // errno of the failure; 0 when the system gave none

    static Outcome Done() { return {}; }
    static Outcome Failed(std::string reason, int errorNumber = 0) {
        return {false, std::move(reason), errorNumber};
    }
    explicit operator bool() const { return ok; }
    // Failed because there was nothing there.
    bool Missing() const { return !ok && errorNumber == ENOENT; }
};
