// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Basic value types of the toolkit: colours, rectangles, keys, results.
#include <algorithm>
#include <cstdint>
#include <functional>

// Colours as 0x00BBGGRR, like the classic GDI COLORREF.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clBtnFace = 0xC8D0D4;
constexpr TColor clBtnShadow = 0x808080;
constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor clInfoBk = 0xE1FFFF;
constexpr TColor clWindow = 0xFFFFFF;
constexpr TColor clHighlight = 0x6A240A;

constexpr std::uint8_t RedOf(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

struct TPoint {
    int X = 0, Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    TRect Intersect(const TRect& o) const {
        TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
                std::min(Bottom, o.Bottom)};
        return r.Empty() ? TRect{} : r;
    }
    TRect Union(const TRect& o) const {
        if (Empty()) return o;
        if (o.Empty()) return *this;
        return {std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right),
                std::max(Bottom, o.Bottom)};
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};
inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// Virtual key codes as the game knows them.
using Word = std::uint16_t;
constexpr Word VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_ESCAPE = 27, VK_SPACE = 32,
               VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
               VK_DELETE = 46, VK_F2 = 113;

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Results of modal windows and message boxes.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                       mrIgnore = 5, mrYes = 6, mrNo = 7;

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TCloseAction = int;
constexpr TCloseAction caNone = 0, caHide = 1, caFree = 2, caMinimize = 3;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// Binds a member function as an event handler: OnClick = Handler(this, &TForm1::StartBtnClick).
template <class C>
TNotifyEvent Handler(C* self, void (C::*fn)(TObject*)) {
    return [self, fn](TObject* sender) { (self->*fn)(sender); };
}
