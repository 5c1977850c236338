// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/user_store_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* kAppFolder = "tresolo";

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// The home folder from the account database, for a process started without $HOME.
std::string AccountHome() {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
    return IsSet(found->pw_dir) ? found->pw_dir : "";
}

std::filesystem::path& Override() {
    static std::filesystem::path file;
    return file;
}

}  // namespace

std::filesystem::path UserConfigDirFrom(const char* xdgConfigHome, const char* home) {
    // Relative values of XDG_CONFIG_HOME are invalid and must be ignored.
    if (IsSet(xdgConfigHome) && xdgConfigHome[0] == '/') return std::filesystem::path(xdgConfigHome) / kAppFolder;
    if (IsSet(home)) return std::filesystem::path(home) / ".config" / kAppFolder;
    return {};
}

std::filesystem::path UserHomeDir() {
    const char* home = std::getenv("HOME");
    return IsSet(home) ? home : AccountHome();
}

std::filesystem::path UserConfigDir() {
    const std::string homeDir = UserHomeDir().string();
    return UserConfigDirFrom(std::getenv("XDG_CONFIG_HOME"), homeDir.c_str());
}

std::filesystem::path UserStorePath() {
    if (!Override().empty()) return Override();
    return UserConfigDir() / "registry.ini";
}

void SetUserStorePath(const std::filesystem::path& file) {
    Override() = file;
}
