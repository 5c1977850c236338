// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/open_document.h"

#include "platform/launch_viewer.h"

#include <cctype>
#include <filesystem>

namespace {

bool IsSchemeChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
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

bool OpenDocument(const std::string& pathOrUrl, NoViewerCall noViewer) {
    if (IsUrl(pathOrUrl)) return LaunchViewer(pathOrUrl, std::move(noViewer));
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(pathOrUrl, error);
    // An absolute path starts with "/", so the opener never reads it as an option.
    if (error || pathOrUrl.empty() || !std::filesystem::exists(file, error)) return false;
    return LaunchViewer(file.string(), std::move(noViewer));
}
