// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An ordered list of strings.
#include <string>
#include <vector>

class TStringList {
public:
    bool Sorted = false;
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Strings(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    const std::string& operator[](int i) const { return Strings(i); }
    int Add(const std::string& s);
    void Clear() { items_.clear(); }
    void Delete(int i) { items_.erase(items_.begin() + i); }
    int IndexOf(const std::string& s) const;
    // All lines, each ended by CR LF.
    std::string Text() const;
    // Writes the lines, each ended by CR LF, in Windows-1252 (characters it lacks become '?').
    // The file is replaced atomically; returns false when it cannot be written.
    bool SaveToFile(const std::string& path) const;

private:
    std::vector<std::string> items_;
};

// Converts UTF-8 text to the Windows-1252 code page.
std::string Utf8ToWindows1252(const std::string& utf8);
