#pragma once
// The system version text and whether the program runs on that system.
#include <optional>
#include <string>
#include <string_view>

// What the Windows version query reports.
struct WindowsVersionInfo {
    enum class Family { Win32s, Windows9x, NT, Other };
    Family family = Family::NT;
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string servicePack;
};

// "Microsoft Windows NT Version 5.01, Build 2600, Service Pack 3" and the 9x shapes;
// "Fehler bei GetVersionEx()!" when the query failed; empty for other families.
std::string WindowsVersionText(const std::optional<WindowsVersionInfo>& version);

// True for an NT version from 5 on (XP and later, 10 and 11 included) and for Linux.
bool VersionSupported(std::string_view versionText);

inline constexpr const char* kUnsupportedSystemMessage =
    "Der Tresolo schwimmt nur unter Windows XP oder höher!";
