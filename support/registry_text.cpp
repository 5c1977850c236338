// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/registry_text.h"

#include <optional>

namespace {

const char kHex[] = "0123456789ABCDEF";

void AppendHexEscape(std::string& out, unsigned char c) {
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsNameCharacter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '-';
}

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// The character that an escape at the start of `text` stands for, and its length.
std::optional<std::pair<char, std::size_t>> Unescape(std::string_view text) {
    if (text.size() >= 2 && text[1] == '\\') return std::pair{'\\', std::size_t{2}};
    if (text.size() >= 4 && text[1] == 'x' && HexDigit(text[2]) >= 0 && HexDigit(text[3]) >= 0)
        return std::pair{static_cast<char>(HexDigit(text[2]) * 16 + HexDigit(text[3])), std::size_t{4}};
    return std::nullopt;
}

}  // namespace

std::string StoreValueName(std::string_view name) {
    if (name.empty()) return "@";
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsNameCharacter(byte)) out += c;
        else AppendHexEscape(out, byte);
    }
    return out;
}

std::string StoreValueText(std::string_view value) {
    std::string out = "\"";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') out += "\\\\";
        else if (IsControl(byte)) AppendHexEscape(out, byte);
        else out += c;
    }
    return out + "\"";
}

std::string ReadStoreValueText(std::string_view stored) {
    std::string out;
    for (std::size_t i = 0; i < stored.size();) {
        const auto escape = stored[i] == '\\' ? Unescape(stored.substr(i)) : std::nullopt;
        out += escape ? escape->first : stored[i];
        i += escape ? escape->second : 1;
    }
    return out;
}

std::string NormalizeKeyPath(std::string_view path) {
    std::string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) out.append(out.empty() ? "" : "\\").append(path.substr(start, end - start));
        start = end + 1;
    }
    return out;
}
