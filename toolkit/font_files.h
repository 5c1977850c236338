// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the font files are: fontconfig on the desktop, the page's own copies in the browser.
#include <string>

// The file of the family's face in that weight and slant. Throws FontError when there is none.
std::string FontFileFor(const std::string& family, bool bold, bool italic);
// Frees what the lookup holds, at the font engine's end.
void ReleaseFontFiles();
