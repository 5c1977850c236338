// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a document or web page with the desktop's viewer for it.
#include <string>
#include <string_view>

#include "platform/launch_viewer.h"

// True for text that starts with a URL scheme ("https:", "mailto:", "file:").
// One-letter schemes are not taken, so "C:/x.pdf" stays a path.
bool IsUrl(std::string_view text);

// Hands a web address, or a file (relative paths are taken from the working folder),
// to xdg-open and returns without waiting for the viewer. False when the file does not
// exist or the opener cannot be started; `noViewer` is called later, on another thread, when
// the opener finds no program for it.
bool OpenDocument(const std::string& pathOrUrl, NoViewerCall noViewer = {});
