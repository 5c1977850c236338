// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system version text and whether the program runs on that system.
#include <string_view>

// True for an NT version from 5 on (XP and later, 10 and 11 included) for Linux and for a web page.
bool VersionSupported(std::string_view versionText);

inline constexpr const char* kUnsupportedSystemMessage =
    "Der Tresolo schwimmt nur unter Windows XP oder höher!";
