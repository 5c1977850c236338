// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/graphics.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "codecs/bmp.h"
#include "codecs/picture_file.h"
#include "codecs/picture_prefetch.h"
#include "support/atomic_file.h"
#include "toolkit/blit.h"

namespace {
std::uint64_t g_change = 0;

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Datei nicht gefunden: " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

std::uint64_t NextChangeNumber() { return ++g_change; }

// ---- TCanvas ----

void TCanvas::TextOut(int x, int y, const std::string& text) {
    FontEngine& fe = FontEngine::Instance();
    TextExtent e = fe.Measure(Font, text);
    PixelBuffer& px = target_.MutablePixels();
    TRect all{0, 0, px.width(), px.height()};
    if (Brush.Style == TBrushStyle::bsSolid) ::FillRect(px, Bounds(x, y, e.width, e.height), Brush.Color);
    fe.Draw(px, x, y, Font, text, all);
}

int TCanvas::TextWidth(const std::string& text) { return FontEngine::Instance().Measure(Font, text).width; }
int TCanvas::TextHeight(const std::string& text) { return FontEngine::Instance().Measure(Font, text).height; }

void TCanvas::FillRect(const TRect& r) { ::FillRect(target_.MutablePixels(), r, Brush.Color); }

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    PixelBuffer& px = target_.MutablePixels();
    if (Brush.Style == TBrushStyle::bsSolid) ::FillRect(px, {left, top, right, bottom}, Brush.Color);
    Frame3D(px, {left, top, right, bottom}, Pen.Color, Pen.Color, {0, 0, px.width(), px.height()});
}

void TCanvas::LineTo(int x, int y) {
    PixelBuffer& px = target_.MutablePixels();
    int dx = std::abs(x - pen_.X), dy = -std::abs(y - pen_.Y);
    int sx = pen_.X < x ? 1 : -1, sy = pen_.Y < y ? 1 : -1, err = dx + dy;
    int cx = pen_.X, cy = pen_.Y;
    Bgr c = ToBgr(Pen.Color);
    while (cx != x || cy != y) {  // the end point itself is left out, as GDI does
        if (cx >= 0 && cy >= 0 && cx < px.width() && cy < px.height()) px.setPixel(cx, cy, c);
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; cx += sx; }
        if (e2 <= dx) { err += dx; cy += sy; }
    }
    pen_ = {x, y};
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    PixelBuffer& px = target_.MutablePixels();
    TRect all{0, 0, px.width(), px.height()};
    if (bitmap.Transparent)
        BlitKeyed(px, x, y, bitmap.Pixels(), bitmap.TransparentColor(), all);
    else
        Blit(px, x, y, bitmap.Pixels(), all);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& bitmap) {
    if (bitmap.Empty() || r.Empty()) return;
    TBitmap scaled;
    scaled.Assign(StretchNearest(bitmap.Pixels(), r.Width(), r.Height()));
    scaled.Transparent = bitmap.Transparent;
    Draw(r.Left, r.Top, scaled);
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
    TRect s = sourceRect.Intersect({0, 0, source.Width(), source.Height()});
    if (s.Empty() || dest.Empty()) return;
    PixelBuffer part(s.Width(), s.Height());
    Blit(part, -s.Left, -s.Top, source.Pixels(), {0, 0, s.Width(), s.Height()});
    PixelBuffer scaled = (s.Width() == dest.Width() && s.Height() == dest.Height())
                             ? std::move(part)
                             : StretchNearest(part, dest.Width(), dest.Height());
    PixelBuffer& px = target_.MutablePixels();
    Blit(px, dest.Left, dest.Top, scaled, {0, 0, px.width(), px.height()});
}

TColor TCanvas::Pixel(int x, int y) const {
    const PixelBuffer& px = target_.Pixels();
    if (x < 0 || y < 0 || x >= px.width() || y >= px.height()) return 0xFFFFFFFF;
    return ToColor(px.pixel(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    PixelBuffer& px = target_.MutablePixels();
    if (x >= 0 && y >= 0 && x < px.width() && y < px.height()) px.setPixel(x, y, ToBgr(c));
}

// ---- TBitmap ----

TBitmap::TBitmap(int width, int height) : pixels_(width, height, Bgr{255, 255, 255}) {}

// A copy has the same content and so keeps its version.
TBitmap::TBitmap(const TBitmap& other)
    : TObject(), Transparent(other.Transparent), pixels_(other.pixels_), version_(other.version_) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this != &other) {
        Assign(other);
        Transparent = other.Transparent;
    }
    return *this;
}

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    PixelBuffer resized(width, height, Bgr{255, 255, 255});
    Blit(resized, 0, 0, pixels_, {0, 0, width, height});
    pixels_ = std::move(resized);
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= Height()) throw std::out_of_range("ScanLine: Zeile außerhalb des Bildes");
    Changed();
    return pixels_.scanLine(y);
}

PixelBuffer& TBitmap::MutablePixels() {
    Changed();
    return pixels_;
}

void TBitmap::Assign(const TBitmap& other) {
    // The same content again changes nothing, and so repaints nothing.
    if (this == &other || version_ == other.version_) return;
    pixels_ = other.pixels_;
    version_ = other.version_;
    if (OnChange) OnChange();
}

void TBitmap::Assign(TBitmap&& other) {
    if (this == &other || version_ == other.version_) return;
    pixels_ = std::exchange(other.pixels_, PixelBuffer{});
    version_ = std::exchange(other.version_, NextChangeNumber());
    if (OnChange) OnChange();
}

void TBitmap::Assign(PixelBuffer pixels) {
    pixels_ = std::move(pixels);
    Changed();
}

Bgr TBitmap::TransparentColor() const {
    if (Empty()) return {};
    return pixels_.pixel(0, Height() - 1);
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(*this);
    return *canvas_;
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    try {
        Assign(DecodePicture(bytes));
    } catch (const CodecError& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

bool TBitmap::SaveToFile(const std::string& path) const {
    std::vector<std::uint8_t> bytes = EncodeBmp(pixels_);
    return WriteFileAtomically(path, std::string(bytes.begin(), bytes.end())).ok;
}

void TBitmap::Changed() {
    version_ = NextChangeNumber();
    if (OnChange) OnChange();
}

// ---- TPicture ----

TPicture::TPicture() {
    bitmap_.OnChange = [this] {
        if (OnChange) OnChange();
    };
}

void TPicture::Assign(const TPicture& other) {
    if (this == &other) return;
    bitmap_.Transparent = other.bitmap_.Transparent;
    format_ = other.format_;
    bitmap_.Assign(other.bitmap_);
}

void TPicture::Assign(const TBitmap& bitmap) {
    format_ = bitmap.Empty() ? Format::None : Format::Bitmap;
    bitmap_.Assign(bitmap);
}

void TPicture::Assign(TBitmap&& bitmap) {
    format_ = bitmap.Empty() ? Format::None : Format::Bitmap;
    bitmap_.Assign(std::move(bitmap));
}

void TPicture::LoadFromMemory(const std::uint8_t* data, std::size_t size, const std::string& what) {
    std::span<const std::uint8_t> bytes(data, size);
    PixelBuffer pixels;
    try {
        pixels = DecodePictureAhead(bytes);
    } catch (const CodecError& e) {
        throw std::runtime_error(what + ": " + e.what());
    }
    format_ = LooksLikeBmp(bytes) ? Format::Bitmap : Format::Jpeg;
    bitmap_.Assign(std::move(pixels));
}

void TPicture::LoadFromFile(const std::string& path) {
    std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    LoadFromMemory(bytes.data(), bytes.size(), path);
}

void TPicture::Clear() {
    format_ = Format::None;
    bitmap_.Assign(PixelBuffer{});
}
