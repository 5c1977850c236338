// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a step that can fail in an expected way leaves behind: done, or why not. The reason
// is one line to show or log (German where the player reads it), and the system's error
// number goes with it where there was one, so that a caller can tell a missing file
// (ENOENT) or one that must not be replaced (EEXIST) from real trouble. A step that also
// makes a value returns Result<T> (support/result.h): the value, or such an Outcome.
//
// An exception is still right for what no player's surroundings cause and no caller can mend:
// a fault of the program or its build (a built-in picture missing, a table asked for a row it
// does not have), and a tool of the build that cannot go on (the help's generator). Whatever
// the player's files, disk, sound or typing can cause is an Outcome: it is told, and the game
// goes on. Where a library throws (SQLite, the file system's throwing calls), the code that
// calls it turns the exception into an Outcome at that boundary.
#include <cerrno>
#include <string>
#include <utility>

struct [[nodiscard]] Outcome {
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
