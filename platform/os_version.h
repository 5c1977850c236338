// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating system's version, and the version text built from it.
#include <optional>
#include <string>
#include <string_view>

struct OsVersion {
    std::string systemName;  // e.g. "Linux"
    int major = 0;           // "6.1.0-18-amd64": 6
    int minor = 0;           //                   1
    int build = 0;           //                   0
    std::string detail;      //                   "18-amd64": what follows the numbers
};

// Splits a kernel release such as "6.1.0-18-amd64" into its numbers and the rest.
// Missing or unreadable numbers are 0; the text from the first one on goes to detail.
OsVersion ParseKernelRelease(std::string_view systemName, std::string_view release);

// The running system's version from uname(); nothing when the query fails.
std::optional<OsVersion> QueryOsVersion();

// "<system> Version <major>.<minor, two digits>, Build <build, low 16 bits>, <detail>",
// at most 255 characters; "Fehler bei uname()!" when there is no version.
std::string OsVersionText(const std::optional<OsVersion>& version);
