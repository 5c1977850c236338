// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ini_document.h"

#include <utility>

#include "support/text_util.h"

namespace {

std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    return TrimBlanks(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    line = TrimBlanks(line);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '[' || equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

std::string SectionHeader(std::string_view section) {
    std::string header(1, '[');
    header.append(section).push_back(']');
    return header;
}

bool IsBlankLine(std::string_view line) {
    return TrimBlanks(line).empty();
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines_.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    crlf_ = !lines_.empty() && !lines_.front().empty() && lines_.front().back() == '\r';
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !EqualsIgnoreCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end])) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKeyLine(const Range& range, std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto entry = ParseKeyLine(lines_[i]);
        if (entry && EqualsIgnoreCase(entry->key, key)) return i;
    }
    return std::nullopt;
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section).has_value();
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto line = FindKeyLine(*range, key);
    if (!line) return std::nullopt;
    return std::string(Unquote(ParseKeyLine(lines_[*line])->value));
}

std::string IniDocument::WithEnding(std::string line) const {
    if (crlf_) line.push_back('\r');
    return line;
}

void IniDocument::Append(std::string line) {
    lines_.push_back(WithEnding(std::move(line)));
}

void IniDocument::AddSection(std::string_view section) {
    if (!HasSection(section)) Append(SectionHeader(section));
}

std::size_t IniDocument::InsertionPoint(const Range& range) const {
    std::size_t point = range.end;
    while (point > range.header + 1 && IsBlankLine(lines_[point - 1])) --point;
    return point;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text(key);
    text.append("=").append(value);
    const std::string line = WithEnding(std::move(text));
    const auto range = FindSection(section);
    if (!range) {
        Append(SectionHeader(section));
        lines_.push_back(line);
    } else if (const auto existing = FindKeyLine(*range, key)) {
        lines_[*existing] = line;
    } else {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(InsertionPoint(*range)), line);
    }
}

std::string IniDocument::Text() const {
    std::string text;
    for (const std::string& line : lines_) text.append(line).push_back('\n');
    return text;
}
