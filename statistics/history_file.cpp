// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/history_file.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "statistics/local_stamp.h"
#include "support/user_store_path.h"

namespace {

constexpr const char* kCompanions[] = {"-wal", "-shm"};

std::filesystem::path UserDataDir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // Relative values of XDG_DATA_HOME are invalid and must be ignored.
    if (xdg && xdg[0] == '/') return std::filesystem::path(xdg) / "tresolo";
    const std::filesystem::path home = UserHomeDir();
    return home.empty() ? home : home / ".local" / "share" / "tresolo";
}

std::string DamagedName(const std::filesystem::path& file, std::int64_t stamp, int attempt) {
    const std::tm t = CalendarOf(stamp);
    char when[64];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d-%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    std::string name = file.stem().string() + "-beschaedigt-" + when;
    if (attempt > 0) name += "-" + std::to_string(attempt);
    return name + file.extension().string();
}

}  // namespace

std::filesystem::path HistoryFile(bool installed, const std::string& iniFile) {
    if (!installed) return std::filesystem::path(iniFile).parent_path() / kHistoryFileName;
    const std::filesystem::path folder = UserDataDir();
    return folder.empty() ? folder : folder / kHistoryFileName;
}

Result<std::filesystem::path> MoveAside(const std::filesystem::path& file, std::int64_t stamp) {
    std::error_code code;
    std::filesystem::path target;
    for (int attempt = 0; target.empty() || std::filesystem::exists(target, code); ++attempt)
        target = file.parent_path() / DamagedName(file, stamp, attempt);
    std::filesystem::rename(file, target, code);
    if (code) return Outcome::Failed(code.message(), code.value());
    for (const char* companion : kCompanions) {
        const std::filesystem::path from = file.string() + companion;
        if (std::filesystem::exists(from, code)) std::filesystem::rename(from, target.string() + companion, code);
    }
    return target;
}
