// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/font_files.h"

#include <fontconfig/fontconfig.h>

#include "toolkit/font.h"

std::string FontFileFor(const std::string& family, bool bold, bool italic) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    std::string file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) file =
        reinterpret_cast<const char*>(path);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pat);
    if (file.empty())
        throw FontError("Keine Schrift gefunden für \"" + family +
                        "\": fontconfig kennt keine Schriftdatei (Paket fonts-liberation?)");
    return file;
}

void ReleaseFontFiles() { FcFini(); }
