// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts: TFont describes one, the font engine finds it through fontconfig and draws it
// with FreeType. Sizes are points at 96 dpi; a non-zero Height gives pixels directly.
#include <memory>
#include <stdexcept>
#include <string>

#include "codecs/pixel_buffer.h"
#include "toolkit/types.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
using TFontStyles = unsigned;

class TFont {
public:
    std::string Name = "MS Sans Serif";
    int Size = 8;      // points
    int Height = 0;    // pixels of the character height; 0: taken from Size
    TFontStyles Style = 0;
    TColor Color = clBlack;

    int PixelSize() const;
    bool Bold() const { return Style & fsBold; }
    friend bool operator==(const TFont&, const TFont&) = default;
};

class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TextExtent {
    int width = 0, height = 0, ascent = 0;
};

class FontEngine {
public:
    static FontEngine& Instance();
    ~FontEngine();
    // Throws FontError when no usable font exists on this system.
    void CheckAvailable();
    TextExtent Measure(const TFont& font, const std::string& utf8);
    // Draws text with its cell's top-left corner at (x, y), clipped to `clip`.
    void Draw(PixelBuffer& dst, int x, int y, const TFont& font, const std::string& utf8,
              const TRect& clip);

private:
    FontEngine();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Decodes one UTF-8 code point at `i` and advances it; invalid bytes give U+FFFD.
char32_t NextCodePoint(const std::string& s, std::size_t& i);
