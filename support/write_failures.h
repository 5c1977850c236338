// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a failed write of a file the player keeps is told: always one line on stderr, and
// to the listener the program sets, which tells the player.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

struct WriteFailure {
    std::filesystem::path file;
    int errorNumber = 0;  // errno; 0 when the file could not even be read
    std::string line;     // the stderr text, naming the file
};

using WriteFailureListener = std::function<void(const WriteFailure&)>;

// One listener at a time; an empty one leaves stderr alone.
void SetWriteFailureListener(WriteFailureListener listener);

// Writes "tresolo: " + prefix + failure.line to stderr, tells the listener, returns false.
bool ReportWriteFailure(const WriteFailure& failure, std::string_view prefix = {});
