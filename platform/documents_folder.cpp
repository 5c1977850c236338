// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents_folder.h"

#include <unistd.h>

#include <string>
#include <system_error>

#include "support/read_file.h"
#include "support/text_util.h"
#include "support/user_store_path.h"

namespace {

constexpr std::string_view kDocumentsKey = "XDG_DOCUMENTS_DIR=";

// A shell word as the user-dirs file writes it: in double quotes, with backslash escapes.
std::string Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        text += value[i];
    }
    return text;
}

// "$HOME/x" below the home folder, or an absolute path; empty for anything else.
std::filesystem::path Resolve(const std::string& value, const std::filesystem::path& home) {
    constexpr std::string_view kHome = "$HOME";
    if (value == kHome) return home;
    if (value.starts_with(std::string(kHome) + "/"))
        return home.empty() ? std::filesystem::path() : home / value.substr(kHome.size() + 1);
    if (value.starts_with('/')) return value;
    return {};
}

}  // namespace

std::filesystem::path DocumentsDirFrom(std::string_view userDirs, const std::filesystem::path& home) {
    std::filesystem::path named;
    while (!userDirs.empty()) {
        const std::size_t end = userDirs.find('\n');
        const std::string_view line = TrimBlanks(userDirs.substr(0, end));
        userDirs = end == std::string_view::npos ? std::string_view() : userDirs.substr(end + 1);
        if (!line.starts_with(kDocumentsKey)) continue;
        // The file is sourced by the shell, so the last assignment counts.
        if (auto dir = Resolve(Unquote(line.substr(kDocumentsKey.size())), home); !dir.empty()) named = dir;
    }
    if (!named.empty()) return named.lexically_normal();
    return home.empty() ? std::filesystem::path() : home / "Documents";
}

std::filesystem::path DocumentsDir() {
    const std::filesystem::path config = UserConfigDir();
    std::string userDirs;
    if (!config.empty()) userDirs = ReadFileText(config.parent_path() / "user-dirs.dirs").ValueOr({});
    return DocumentsDirFrom(userDirs, UserHomeDir());
}

bool WorkingFolderTakesFiles(const std::filesystem::path& workingFolder, bool writable) {
    return !workingFolder.empty() && workingFolder != workingFolder.root_path() && writable;
}

std::filesystem::path PlayerFilesFolder() {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    if (WorkingFolderTakesFiles(here, ::access(".", W_OK) == 0)) return {};
    const std::filesystem::path documents = DocumentsDir();
    if (!documents.empty()) std::filesystem::create_directories(documents, error);
    return documents;
}
