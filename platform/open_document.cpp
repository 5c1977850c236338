#include "platform/open_document.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cctype>
#include <filesystem>
#include <thread>

extern char** environ;

namespace {

bool IsSchemeChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

// Starts xdg-open on target directly, with no shell in between, and reaps it later.
bool Launch(const std::string& target) {
    char program[] = "xdg-open";
    std::string argument = target;
    char* argv[] = {program, argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0) return false;
    // Some openers run the viewer in the foreground; don't hold the caller up.
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    return true;
}

}  // namespace

bool IsUrl(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    if (!std::isalpha(static_cast<unsigned char>(text.front()))) return false;
    for (char c : text.substr(0, colon))
        if (!IsSchemeChar(c)) return false;
    return true;
}

bool OpenDocument(const std::string& pathOrUrl) {
    if (IsUrl(pathOrUrl)) return Launch(pathOrUrl);
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(pathOrUrl, error);
    // An absolute path starts with "/", so the opener never reads it as an option.
    if (error || pathOrUrl.empty() || !std::filesystem::exists(file, error)) return false;
    return Launch(file.string());
}
