// SPDX-License-Identifier: GPL-3.0-or-later
// The page brings its own font files in /fonts, named as the Liberation files are.
#include "toolkit/font_files.h"

#include <algorithm>
#include <filesystem>

#include "toolkit/font.h"

namespace {

// The page's own folder; the test programs, run by node on the real file system, find the
// same files where Debian keeps them.
constexpr const char* kFontFolders[] = {"/fonts/", "/usr/share/fonts/truetype/liberation/"};
constexpr const char* kFallbackFamily = "LiberationSans";

std::string StyleName(bool bold, bool italic) {
    if (bold && italic) return "BoldItalic";
    if (bold) return "Bold";
    if (italic) return "Italic";
    return "Regular";
}

std::string FileOf(const char* folder, std::string family, bool bold, bool italic) {
    family.erase(std::remove(family.begin(), family.end(), ' '), family.end());
    return folder + family + "-" + StyleName(bold, italic) + ".ttf";
}

}  // namespace

// A family the page does not carry is drawn in Liberation Sans, as fontconfig would substitute.
// The page carries no italic faces (the game draws none): an italic is drawn upright there.
std::string FontFileFor(const std::string& family, bool bold, bool italic) {
    std::error_code error;
    for (const char* folder : kFontFolders)
        for (const bool slanted : {italic, false})
            for (const std::string& file : {FileOf(folder, family, bold, slanted),
                                            FileOf(folder, kFallbackFamily, bold, slanted)})
                if (std::filesystem::is_regular_file(file, error)) return file;
    throw FontError("Keine Schrift gefunden für \"" + family + "\" in " + kFontFolders[0]);
}

void ReleaseFontFiles() {}
