// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/buttons.h"

#include <cctype>

#include "toolkit/blit.h"
#include "toolkit/form.h"

namespace {
std::string StripAmpersand(const std::string& s, std::size_t* accelAt) {
    std::string out;
    *accelAt = std::string::npos;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) {
            if (s[i + 1] != '&') *accelAt = out.size();
            ++i;
        }
        out += s[i];
    }
    return out;
}

void DrawRaisedFace(PixelBuffer& target, const TRect& r, bool pressed, const TRect& clip) {
    FillRect(target, r.Intersect(clip), clBtnFace);
    if (pressed) {
        Frame3D(target, r, clBtnShadow, clBtnHighlight, clip);
    } else {
        Frame3D(target, r, clBtnHighlight, clBlack, clip);
        Frame3D(target, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, clBtnFace, clBtnShadow, clip);
    }
}
}  // namespace

char AcceleratorOf(const std::string& caption) {
    std::size_t at;
    std::string plain = StripAmpersand(caption, &at);
    if (at == std::string::npos) return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(plain[at])));
}

void DrawCaption(PixelBuffer& target, const TRect& r, const TFont& font, const std::string& caption,
                 const TRect& clip) {
    if (caption.empty()) return;
    std::size_t at;
    std::string plain = StripAmpersand(caption, &at);
    FontEngine& fe = FontEngine::Instance();
    TextExtent e = fe.Measure(font, plain);
    int x = r.Left + (r.Width() - e.width) / 2, y = r.Top + (r.Height() - e.height) / 2;
    TRect c = r.Intersect(clip);
    fe.Draw(target, x, y, font, plain, c);
    if (at != std::string::npos) {
        int ux = x + fe.Measure(font, plain.substr(0, at)).width;
        int uw = fe.Measure(font, plain.substr(0, at + 1)).width - (ux - x);
        int uy = y + e.ascent + 2;
        FillRect(target, TRect{ux, uy, ux + uw, uy + 1}.Intersect(c), font.Color);
    }
}

// ---- TButton ----

TButton::TButton(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::Click() {
    TForm* f = ParentForm();
    if (ModalResult != mrNone && f) f->SetModalResult(ModalResult);
    TControl::Click();
}

bool TButton::KeyDown(Word& key, TShiftState) {
    if (key != VK_RETURN) return SpaceDown(key);
    Click();
    return true;
}

bool TButton::KeyUp(Word& key, TShiftState) {
    if (!SpaceUp(key)) return false;
    Click();
    return true;
}

void TButton::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    bool outline = Focused() || Default;
    TRect face = outline ? TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1} : r;
    if (outline) Frame3D(target, r, clBlack, clBlack, clip);
    DrawRaisedFace(target, face, pressed_, clip);
    PaintFace(target, face, clip);
    if (Focused()) FocusRect(target, {face.Left + 3, face.Top + 3, face.Right - 3, face.Bottom - 3}, clip);
}

void TButton::PaintFace(PixelBuffer& target, const TRect& r, const TRect& clip) {
    TFont f = Font();
    if (!Enabled()) f.Color = clGray;
    TRect inner = pressed_ ? r.Offset(1, 1) : r;
    DrawCaption(target, inner, f, Caption(), clip);
}

// ---- TBitBtn ----

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    glyph_.OnChange = [this] { Invalidate(); };
}

void TBitBtn::PaintFace(PixelBuffer& target, const TRect& r, const TRect& clip) {
    if (glyph_.Empty()) {
        TButton::PaintFace(target, r, clip);
        return;
    }
    TRect inner{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
    if (pressed_) inner = inner.Offset(1, 1);
    int x = inner.Left + (inner.Width() - glyph_.Width()) / 2;
    int y = inner.Top + (inner.Height() - glyph_.Height()) / 2;
    BlitKeyed(target, x, y, glyph_.Pixels(), glyph_.TransparentColor(), inner.Intersect(clip));
    if (!Caption().empty()) TButton::PaintFace(target, r, clip);
}

// ---- TSpeedButton ----

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 23, 22);
    glyph_.OnChange = [this] { Invalidate(); };
}

void TSpeedButton::MouseEnter() {
    hot_ = true;
    Invalidate();
}

void TSpeedButton::MouseLeave() {
    hot_ = false;
    Invalidate();
}

void TSpeedButton::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    if (pressed_)
        Frame3D(target, r, clBtnShadow, clBtnHighlight, clip);
    else if (hot_ || !Flat)
        Frame3D(target, r, clBtnHighlight, clBtnShadow, clip);
    TRect inner = pressed_ ? r.Offset(1, 1) : r;
    if (!glyph_.Empty()) {
        int x = inner.Left + (inner.Width() - glyph_.Width()) / 2;
        int y = inner.Top + (inner.Height() - glyph_.Height()) / 2;
        BlitKeyed(target, x, y, glyph_.Pixels(), glyph_.TransparentColor(), r.Intersect(clip));
    }
    TFont f = Font();
    if (!Enabled()) f.Color = clGray;
    DrawCaption(target, inner, f, Caption(), clip);
}
