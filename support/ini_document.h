// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An INI text that can be queried and edited one key at a time while every other byte of it
// (comments, blank lines, unknown lines, line endings) stays as it was.
//
// Reading follows the profile-string rules: section and key names compare without regard to
// ASCII case, blanks around names and values are ignored, one pair of double quotes around a
// value is removed, lines starting with ';' are comments, and only the first section of a name
// counts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    bool HasSection(std::string_view section) const;
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Appends "[section]" when the section is missing.
    void AddSection(std::string_view section);
    // Replaces the key's line, or adds "key=value" after the section's last line that is not
    // blank, or appends the section with the key.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, ending in a line break.
    std::string Text() const;

private:
    struct Range {
        std::size_t header;  // index of the "[section]" line
        std::size_t end;     // one past the section's last line
    };
    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKeyLine(const Range& range, std::string_view key) const;
    std::size_t InsertionPoint(const Range& range) const;
    void Append(std::string line);
    std::string WithEnding(std::string line) const;

    std::vector<std::string> lines_;  // without '\n'; a '\r' of a CRLF ending is kept
    bool crlf_ = false;               // new lines end in CRLF when the text already used it
};
