// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// INI files read and written one key at a time, with the behaviour of the Windows
// profile-string functions that the settings rely on.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Size of the caller's buffer, terminating zero included, so texts hold at most 254 characters.
inline constexpr std::size_t kProfileBufferSize = 255;

// The key's text, or `defaultText` when the file, the section or the key is missing or the file
// cannot be read. The text stops at a zero byte and is cut to bufferSize - 1 characters; its
// size is the length the Windows function returns.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultText, const std::filesystem::path& file,
                                    std::size_t bufferSize = kProfileBufferSize);

// Sets "key=value" in the section, creating the file and the section when missing and keeping
// everything else in the file. The file is replaced atomically. On failure (missing or
// read-only folder, unreadable file) it reports one line on stderr and returns false.
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::filesystem::path& file);
