// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/image.h"

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
    return scaled_.Get({bmp.Version(), Width(), Height()},
                       [&] { return StretchNearest(bmp.Pixels(), Width(), Height()); });
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
    if (transparent_ && picture_.GraphicFormat() != TPicture::Format::Jpeg) {
        const TBitmap& bmp = picture_.Bitmap();
        const OpaqueRuns& runs = opaque_.Get({bmp.Version(), src.width(), src.height()},
                                             [&] { return OpaqueRuns(src, bmp.TransparentColor()); });
        runs.Draw(target, origin.X, origin.Y, src, area);
    } else
        Blit(target, origin.X, origin.Y, src, area);
}
