// SPDX-License-Identifier: GPL-3.0-or-later
// In the page the viewer is a new browser tab: an address as it is, a file of the program's
// data folder as the page's copy served beside index.html.
#include "platform/launch_viewer.h"

#include <emscripten.h>

#include <filesystem>

#include "platform/open_document.h"

EM_JS(int, tresolo_open_in_tab, (const char* address), {
    return window.open(UTF8ToString(address), '_blank') ? 1 : 0;
});

// A browser shows what it opens, so a new tab never lacks a viewer.
bool LaunchViewer(const std::string& target, NoViewerCall) {
    const std::string address = IsUrl(target) ? target : std::filesystem::path(target).filename().string();
    return tresolo_open_in_tab(address.c_str()) != 0;
}
