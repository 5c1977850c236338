// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The debt log's one line and the name of the file it goes to.
#include <string>
#include <string_view>

// "Max hat am 06.12.2026 22:39:00 50,00 Euro Schulden beim Tresolo gemacht!"
std::string DebtLogLine(std::string_view name, std::string_view date, std::string_view time,
                        std::string_view amount, std::string_view ending);

// "Max 06_12_2026 22_39_00.txt": the trimmed name, the date and the time, with every '.'
// and ':' and every character a file system refuses (path separators, control characters,
// < > " | ? *) as '_'. Always a plain file name in the current folder. A later entry that
// finds the name taken gets "(2)", "(3)"... before ".txt".
std::string DebtLogFileName(std::string_view name, std::string_view date, std::string_view time,
                            int number = 1);
