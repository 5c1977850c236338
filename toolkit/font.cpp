// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "toolkit/blit.h"
#include "toolkit/font_files.h"

int TFont::PixelSize() const {
    if (Height != 0) return std::abs(Height);
    return std::max(1, static_cast<int>(std::lround(Size * 96.0 / 72.0)));
}

char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i++);
    if (c < 0x80) return c;
    int extra = (c >= 0xF0 && c < 0xF8) ? 3 : (c >= 0xE0) ? 2 : (c >= 0xC0) ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (byte(i) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (byte(i++) & 0x3F);
    }
    return cp;
}

namespace {

struct Glyph {
    int left = 0, top = 0, width = 0, rows = 0, advance = 0;
    std::vector<std::uint8_t> coverage;
};

struct SizedFace {
    FT_Face face = nullptr;
    int ascent = 0, height = 0;
    std::map<char32_t, Glyph> glyphs;
};

// Windows font names that this platform has under another name with the same metrics.
std::string FamilyFor(const std::string& name) {
    if (name == "MS Sans Serif" || name == "Microsoft Sans Serif" || name == "Arial" ||
        name == "Helvetica")
        return "Liberation Sans";
    if (name == "Times New Roman") return "Liberation Serif";
    if (name == "Courier New") return "Liberation Mono";
    return name;
}

}  // namespace

struct FontEngine::Impl {
    FT_Library library = nullptr;
    std::map<std::tuple<std::string, bool, bool>, std::string> files;
    std::map<std::tuple<std::string, int>, SizedFace> faces;

    std::string FindFile(const std::string& family, bool bold, bool italic) {
        auto key = std::make_tuple(family, bold, italic);
        auto it = files.find(key);
        if (it != files.end()) return it->second;
        std::string file = FontFileFor(family, bold, italic);
        files[key] = file;
        return file;
    }

    SizedFace& Face(const TFont& font) {
        std::string file = FindFile(FamilyFor(font.Name), font.Bold(), font.Style & fsItalic);
        auto key = std::make_tuple(file, font.PixelSize());
        auto it = faces.find(key);
        if (it != faces.end()) return it->second;
        SizedFace sf;
        if (FT_New_Face(library, file.c_str(), 0, &sf.face) != 0)
            throw FontError("Schriftdatei kann nicht gelesen werden: " + file);
        FT_Set_Pixel_Sizes(sf.face, 0, font.PixelSize());
        sf.ascent = static_cast<int>(sf.face->size->metrics.ascender >> 6);
        sf.height = static_cast<int>((sf.face->size->metrics.ascender -
                                      sf.face->size->metrics.descender) >> 6);
        return faces.emplace(key, std::move(sf)).first->second;
    }

    const Glyph& GlyphOf(SizedFace& sf, char32_t cp) {
        auto it = sf.glyphs.find(cp);
        if (it != sf.glyphs.end()) return it->second;
        Glyph g;
        if (FT_Load_Char(sf.face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0) {
            FT_GlyphSlot slot = sf.face->glyph;
            g.left = slot->bitmap_left;
            g.top = slot->bitmap_top;
            g.width = static_cast<int>(slot->bitmap.width);
            g.rows = static_cast<int>(slot->bitmap.rows);
            g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
            g.coverage.resize(static_cast<std::size_t>(g.width) * g.rows);
            for (int r = 0; r < g.rows; ++r)
                std::copy_n(slot->bitmap.buffer + r * slot->bitmap.pitch, g.width,
                            g.coverage.begin() + static_cast<std::ptrdiff_t>(r) * g.width);
        }
        return sf.glyphs.emplace(cp, std::move(g)).first->second;
    }
};

FontEngine& FontEngine::Instance() {
    static FontEngine engine;
    return engine;
}

FontEngine::FontEngine() : impl_(std::make_unique<Impl>()) {
    if (FT_Init_FreeType(&impl_->library) != 0) impl_->library = nullptr;
}

FontEngine::~FontEngine() {
    for (auto& [key, sf] : impl_->faces) FT_Done_Face(sf.face);
    if (impl_->library) FT_Done_FreeType(impl_->library);
    ReleaseFontFiles();
}

void FontEngine::CheckAvailable() {
    if (!impl_->library) throw FontError("FreeType kann nicht gestartet werden");
    TFont f;
    impl_->Face(f);
}

TextExtent FontEngine::Measure(const TFont& font, const std::string& utf8) {
    SizedFace& sf = impl_->Face(font);
    TextExtent e{0, sf.height, sf.ascent};
    for (std::size_t i = 0; i < utf8.size();) e.width += impl_->GlyphOf(sf, NextCodePoint(utf8, i)).advance;
    return e;
}

void FontEngine::Draw(PixelBuffer& dst, int x, int y, const TFont& font, const std::string& utf8,
                      const TRect& clip) {
    SizedFace& sf = impl_->Face(font);
    TRect c = clip.Intersect({0, 0, dst.width(), dst.height()});
    Bgr ink = ToBgr(font.Color);
    int penX = x;
    const int baseline = y + sf.ascent;
    for (std::size_t i = 0; i < utf8.size();) {
        const Glyph& g = impl_->GlyphOf(sf, NextCodePoint(utf8, i));
        for (int r = 0; r < g.rows; ++r) {
            int py = baseline - g.top + r;
            if (py < c.Top || py >= c.Bottom) continue;
            std::uint8_t* row = dst.scanLine(py);
            for (int col = 0; col < g.width; ++col) {
                int px = penX + g.left + col;
                unsigned a = g.coverage[static_cast<std::size_t>(r) * g.width + col];
                if (a == 0 || px < c.Left || px >= c.Right) continue;
                std::uint8_t* p = row + px * 3;
                p[0] = static_cast<std::uint8_t>((ink.b * a + p[0] * (255 - a) + 127) / 255);
                p[1] = static_cast<std::uint8_t>((ink.g * a + p[1] * (255 - a) + 127) / 255);
                p[2] = static_cast<std::uint8_t>((ink.r * a + p[2] * (255 - a) + 127) / 255);
            }
        }
        penX += g.advance;
    }
    if (font.Style & fsUnderline) {
        int uy = baseline + std::max(1, font.PixelSize() / 10);
        FillRect(dst, TRect{x, uy, penX, uy + 1}.Intersect(c), font.Color);
    }
}
