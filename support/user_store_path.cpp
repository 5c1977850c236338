#include "support/user_store_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::filesystem::path& Override() {
    static std::filesystem::path file;
    return file;
}

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::filesystem::path ConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) return xdg;
    return HomeFolder() / ".config";
}

}  // namespace

std::filesystem::path UserStorePath() {
    if (!Override().empty()) return Override();
    return ConfigFolder() / "tresolo" / "registry.ini";
}

void SetUserStorePath(const std::filesystem::path& file) {
    Override() = file;
}
