#include "shell/version_check.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr std::size_t kMaxText = 255;

std::string Formatted(const char* format, const WindowsVersionInfo& v) {
    char text[kMaxText + 1];
    std::snprintf(text, sizeof text, format, v.major, v.minor, v.build & 0xFFFF, v.servicePack.c_str());
    return text;
}

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

std::string WindowsVersionText(const std::optional<WindowsVersionInfo>& version) {
    if (!version) return "Fehler bei GetVersionEx()!";
    using Family = WindowsVersionInfo::Family;
    switch (version->family) {
        case Family::Windows9x:
            if (version->major == 4 && version->minor != 0)
                return Formatted("Windows 98 - Version %d.%.2d, Build %d, %s", *version);
            return Formatted("Windows 95 - Version %d.%d, Build %d, %s", *version);
        case Family::NT:
            return Formatted("Microsoft Windows NT Version %d.%.2d, Build %d, %s", *version);
        default:
            return {};
    }
}

bool VersionSupported(std::string_view versionText) {
    if (versionText.starts_with("Linux Version ")) return true;
    // 5 is 2000 and XP, 6 Vista to 8.1, 10 is 10 and 11; 7 to 9 were never used.
    const std::optional<int> major = MajorAfter(versionText, "Microsoft Windows NT Version ");
    return major && *major >= 5;
}
