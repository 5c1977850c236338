// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/edit.h"

#include <algorithm>

#include "toolkit/blit.h"

int Utf8Length(const std::string& s) {
    int n = 0;
    for (std::size_t i = 0; i < s.size();) {
        NextCodePoint(s, i);
        ++n;
    }
    return n;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    Color = clWindow;
}

int TEdit::Length() const { return Utf8Length(text_); }

std::size_t TEdit::ByteOffset(int chars) const {
    std::size_t i = 0;
    for (int k = 0; k < chars && i < text_.size(); ++k) NextCodePoint(text_, i);
    return i;
}

void TEdit::Changed() {
    Invalidate();
    if (OnChange) OnChange(this);
}

void TEdit::SetText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    caret_ = Length();
    Changed();
}

void TEdit::TextInput(const std::string& text) {
    if (ReadOnly) return;
    std::string add;
    int room = MaxLength > 0 ? MaxLength - Length() : 1 << 30;
    for (std::size_t i = 0; i < text.size() && room > 0;) {
        std::size_t start = i;
        char32_t cp = NextCodePoint(text, i);
        if (cp < 0x20 || cp == 0x7F || cp == 0xFFFD) continue;  // no control characters
        add += text.substr(start, i - start);
        --room;
    }
    if (add.empty()) return;
    text_.insert(ByteOffset(caret_), add);
    caret_ += Utf8Length(add);
    Changed();
}

bool TEdit::KeyDown(Word& key, TShiftState) {
    switch (key) {
        case VK_LEFT: caret_ = std::max(0, caret_ - 1); break;
        case VK_RIGHT: caret_ = std::min(Length(), caret_ + 1); break;
        case VK_HOME: caret_ = 0; break;
        case VK_END: caret_ = Length(); break;
        case VK_BACK:
            if (ReadOnly || caret_ == 0) return true;
            text_.erase(ByteOffset(caret_ - 1), ByteOffset(caret_) - ByteOffset(caret_ - 1));
            --caret_;
            Changed();
            return true;
        case VK_DELETE:
            if (ReadOnly || caret_ >= Length()) return true;
            text_.erase(ByteOffset(caret_), ByteOffset(caret_ + 1) - ByteOffset(caret_));
            Changed();
            return true;
        default: return false;
    }
    Invalidate();
    return true;
}

void TEdit::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    TRect c = r.Intersect(clip);
    FillRect(target, c, Color);
    Frame3D(target, r, clBtnShadow, clBtnHighlight, c);
    Frame3D(target, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, clBlack, clBtnFace, c);
    TRect inner{r.Left + 3, r.Top + 2, r.Right - 3, r.Bottom - 2};
    FontEngine& fe = FontEngine::Instance();
    TextExtent e = fe.Measure(Font(), text_);
    int ty = inner.Top + (inner.Height() - e.height) / 2;
    int caretX = fe.Measure(Font(), text_.substr(0, ByteOffset(caret_))).width;
    int scroll = std::max(0, caretX - inner.Width() + 2);
    fe.Draw(target, inner.Left - scroll, ty, Font(), text_, inner.Intersect(c));
    if (Focused()) {
        int x = inner.Left + caretX - scroll;
        FillRect(target, TRect{x, ty, x + 1, ty + e.height}.Intersect(inner).Intersect(c), clBlack);
    }
}
