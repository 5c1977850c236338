// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user registry as the settings use it: a root, a current sub-key, string values.
//
// On this platform the registry is a store file (see user_store_path.h) holding one INI section
// per key path; registry_text.h gives its spelling. Every access reads the file afresh and every
// write replaces it atomically, so instances can be made and dropped per access.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

class TStRegIni {
public:
    static constexpr std::string_view RIUsers = "C_USERS";  // HKEY_CURRENT_USER

    // Only the per-user root exists here; any other root name throws std::invalid_argument.
    explicit TStRegIni(std::string_view rootName);
    TStRegIni(std::string_view rootName, std::filesystem::path storeFile);

    // A path below the root such as "Software\Tresolo"; later reads and writes address it.
    void SetCurSubKey(std::string_view subKey);

    // Creates `keyName` below the current sub-key when it is missing; an existing key and its
    // values stay untouched.
    bool CreateKey(std::string_view keyName);
    // Writes a string value, or the key's default value when `valueName` is empty; the key is
    // created when missing.
    bool WriteString(std::string_view valueName, std::string_view value);
    // Several values of the current sub-key in one replacement of the store; none when the
    // store holds them already.
    bool WriteStrings(std::initializer_list<std::pair<std::string_view, std::string_view>> values);
    // The stored text, or `defaultValue` when the key, the value or a readable store is missing.
    std::string ReadString(std::string_view valueName, std::string_view defaultValue) const;

    // Writes return false on failure (no access to the store's folder or file) after reporting
    // one line on stderr; nothing is thrown.

private:
    std::filesystem::path storeFile_;
    std::string curSubKey_;
};
