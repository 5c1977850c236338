#include "toolkit/image.h"

#include <algorithm>

#include "toolkit/blit.h"

TImage::TImage(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::PictureChanged() {
    if (autoSize_ && !picture_.Empty()) TControl::SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

TCanvas& TImage::Canvas() {
    if (picture_.Empty()) picture_.Assign(TBitmap(Width(), Height()));
    return picture_.Bitmap().Canvas();
}

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v) PictureChanged();
}

void TImage::SetStretch(bool v) {
    if (v == stretch_) return;
    stretch_ = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void TImage::SetBounds(int left, int top, int width, int height) {
    if (autoSize_ && !picture_.Empty()) {
        width = picture_.Width();
        height = picture_.Height();
    }
    TControl::SetBounds(left, top, width, height);
}

const PixelBuffer& TImage::Scaled() {
    const TBitmap& bmp = picture_.Bitmap();
    constexpr std::size_t kKept = 8;
    for (std::size_t i = 0; i < scaled_.size(); ++i) {
        ScaledCopy& copy = scaled_[i];
        if (copy.version != bmp.Version() || copy.pixels.width() != Width() || copy.pixels.height() != Height())
            continue;
        // The one used last moves to the end; the one unused longest goes first.
        std::rotate(scaled_.begin() + static_cast<std::ptrdiff_t>(i), scaled_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                    scaled_.end());
        return scaled_.back().pixels;
    }
    if (scaled_.size() == kKept) scaled_.erase(scaled_.begin());
    scaled_.push_back({bmp.Version(), StretchNearest(bmp.Pixels(), Width(), Height())});
    return scaled_.back().pixels;
}

bool TImage::PaintsOpaque() const {
    if (picture_.Empty()) return false;
    if (transparent_ && picture_.GraphicFormat() != TPicture::Format::Jpeg) return false;
    return stretch_ || (picture_.Width() >= Width() && picture_.Height() >= Height());
}

void TImage::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    if (picture_.Empty()) return;
    const bool sameSize = picture_.Width() == Width() && picture_.Height() == Height();
    const PixelBuffer& src = (stretch_ && !sameSize) ? Scaled() : picture_.Bitmap().Pixels();
    TRect area = Bounds(origin.X, origin.Y, Width(), Height()).Intersect(clip);
    // JPEG pictures are never drawn transparently.
    if (transparent_ && picture_.GraphicFormat() != TPicture::Format::Jpeg)
        BlitKeyed(target, origin.X, origin.Y, src, picture_.Bitmap().TransparentColor(), area);
    else
        Blit(target, origin.X, origin.Y, src, area);
}
