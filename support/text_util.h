// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small ASCII text helpers shared by the INI and store readers.
#include <string_view>

// Compares ASCII letters without regard to case, as profile and registry names are compared.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Removes blanks, tabs and carriage returns at both ends.
std::string_view TrimBlanks(std::string_view text);
