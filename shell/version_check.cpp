// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/version_check.h"

#include <charconv>
#include <optional>

namespace {

// The major version that follows `prefix` in the text, if the text has one.
std::optional<int> MajorAfter(std::string_view text, std::string_view prefix) {
    const std::size_t at = text.find(prefix);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(at + prefix.size());
    int major = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), major);
    if (error != std::errc()) return std::nullopt;
    return major;
}

}  // namespace

bool VersionSupported(std::string_view versionText) {
    // Linux, and a web page, whose system names itself after its compiler.
    if (versionText.starts_with("Linux Version ") || versionText.starts_with("Emscripten Version ")) return true;
    // 5 is 2000 and XP, 6 Vista to 8.1, 10 is 10 and 11; 7 to 9 were never used.
    const std::optional<int> major = MajorAfter(versionText, "Microsoft Windows NT Version ");
    return major && *major >= 5;
}
