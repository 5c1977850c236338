// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bitmaps, canvases and pictures.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "codecs/pixel_buffer.h"
#include "toolkit/font.h"
#include "toolkit/types.h"

// Every change to anything visible takes a new number from here, so windows can tell
// cheaply whether they need composing again.
std::uint64_t NextChangeNumber();

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

class TCanvas {
public:
    explicit TCanvas(TBitmap& target) : target_(target) {}
    TFont Font;
    TBrush Brush;
    TPen Pen;

    // Fills the text's cell with the brush (unless clear), then draws the text.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    void FillRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y) { pen_ = {x, y}; }
    void LineTo(int x, int y);
    // Draws a bitmap at its own size, leaving out its key colour when it is transparent.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& r, const TBitmap& bitmap);
    void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

private:
    TBitmap& target_;
    TPoint pen_;
};

class TBitmap : public TObject {
public:
    TBitmap() = default;
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);

    int Width() const { return pixels_.width(); }
    int Height() const { return pixels_.height(); }
    bool Empty() const { return pixels_.empty(); }
    void SetSize(int width, int height);
    void SetWidth(int w) { SetSize(w, Height()); }
    void SetHeight(int h) { SetSize(Width(), h); }

    // Row y, top row first; three bytes per pixel (blue, green, red). Counts as a change.
    std::uint8_t* ScanLine(int y);
    const PixelBuffer& Pixels() const { return pixels_; }
    PixelBuffer& MutablePixels();
    void Assign(const TBitmap& other);
    // Takes the other's pixels without copying them; the other is left empty.
    void Assign(TBitmap&& other);
    void Assign(PixelBuffer pixels);
    void Changed();
    // Names the content: a change gives a new number, a copy keeps the number it copied.
    std::uint64_t Version() const { return version_; }
    // Called after every change of the pixels (not copied with the bitmap).
    std::function<void()> OnChange;

    bool Transparent = false;
    // The automatic transparent colour: the bottom-left pixel.
    Bgr TransparentColor() const;

    TCanvas& Canvas();
    // Throws std::runtime_error with a clear message when the file cannot be read.
    void LoadFromFile(const std::string& path);
    bool SaveToFile(const std::string& path) const;

private:
    PixelBuffer pixels_;
    std::uint64_t version_ = NextChangeNumber();
    std::unique_ptr<TCanvas> canvas_;
};

// A picture holds a bitmap or a JPEG image; both end up as pixels here.
class TPicture : public TObject {
public:
    enum class Format { None, Bitmap, Jpeg };
    TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    // Called after every change of the picture or its bitmap.
    std::function<void()> OnChange;

    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    Format GraphicFormat() const { return format_; }
    bool Empty() const { return bitmap_.Empty(); }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }
    void Assign(const TPicture& other);
    void Assign(const TBitmap& bitmap);
    void Assign(TBitmap&& bitmap);
    // Decodes BMP or JPEG data; throws std::runtime_error with a clear message.
    void LoadFromMemory(const std::uint8_t* data, std::size_t size, const std::string& what);
    void LoadFromFile(const std::string& path);
    void Clear();

private:
    TBitmap bitmap_;
    Format format_ = Format::None;
};
