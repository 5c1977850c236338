// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/net_chart.h"

#include <algorithm>
#include <string>

#include "statistics/money_text.h"

namespace {

constexpr int kMargin = 4, kScaleWidth = 58;
constexpr TColor kPaper = clWhite, kFrame = RGB(128, 128, 128), kZero = RGB(96, 96, 96);

// The plot area and a value scale that always holds zero.
struct Plot {
    TRect area;
    std::int64_t low, high;
    int Y(std::int64_t cents) const {
        if (high == low) return area.Top + area.Height() / 2;
        return area.Top + static_cast<int>((high - cents) * (area.Height() - 1) / (high - low));
    }
};

TCanvas& Blank(TBitmap& target) {
    TCanvas& c = target.Canvas();
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = kPaper;
    c.FillRect({0, 0, target.Width(), target.Height()});
    c.Pen.Color = kFrame;
    c.Brush.Style = TBrushStyle::bsClear;
    c.Rectangle(0, 0, target.Width(), target.Height());
    c.Font.Height = 10;
    c.Font.Color = clBlack;
    return c;
}

// The frame, the zero line and the scale's three values.
Plot Axes(TBitmap& target, std::int64_t low, std::int64_t high) {
    TCanvas& c = Blank(target);
    Plot p{{kScaleWidth, kMargin + 4, target.Width() - kMargin, target.Height() - kMargin - 4},
           std::min<std::int64_t>(low, 0), std::max<std::int64_t>(high, 0)};
    for (std::int64_t value : {p.high, std::int64_t{0}, p.low}) {
        const std::string text = EuroText(value);
        const int y = std::clamp(p.Y(value) - c.TextHeight(text) / 2, 0, target.Height() - c.TextHeight(text));
        c.TextOut(kScaleWidth - 4 - c.TextWidth(text), y, text);
    }
    c.Pen.Color = kZero;
    c.MoveTo(p.area.Left, p.Y(0));
    c.LineTo(p.area.Right, p.Y(0));
    return p;
}

void Note(TBitmap& target, const std::string& text) {
    TCanvas& c = Blank(target);
    c.TextOut((target.Width() - c.TextWidth(text)) / 2, (target.Height() - c.TextHeight(text)) / 2, text);
}

}  // namespace

void DrawRunningNet(TBitmap& target, const std::vector<std::int64_t>& net) {
    if (net.empty()) return Note(target, "Noch kein Spiel in dieser Sitzung");
    const auto [low, high] = std::minmax_element(net.begin(), net.end());
    const Plot p = Axes(target, *low, *high);
    TCanvas& c = target.Canvas();
    c.Pen.Color = kRunningNetColor;
    const std::size_t width = static_cast<std::size_t>(p.area.Width()), n = net.size();
    c.MoveTo(p.area.Left, p.Y(0));  // zero before the first game
    if (n <= width) {
        for (std::size_t i = 0; i < n; ++i)
            c.LineTo(p.area.Left + static_cast<int>((i + 1) * (width - 1) / n), p.Y(net[i]));
        return;
    }
    for (std::size_t x = 0; x < width; ++x) {
        const auto first = net.begin() + static_cast<std::ptrdiff_t>(n * x / width);
        const auto last = net.begin() + static_cast<std::ptrdiff_t>(n * (x + 1) / width);
        const auto [lo, hi] = std::minmax_element(first, last);
        const int column = p.area.Left + static_cast<int>(x);
        c.LineTo(column, p.Y(*hi));
        c.LineTo(column, p.Y(*lo));
        c.LineTo(column, p.Y(*(last - 1)));
    }
}

void DrawDailyNet(TBitmap& target, const std::vector<DayNet>& days, std::int64_t today, int count) {
    if (days.empty()) return Note(target, "Keine Spiele in den letzten " + std::to_string(count) + " Tagen");
    std::int64_t low = 0, high = 0;
    for (const DayNet& d : days) {
        low = std::min(low, d.netCents);
        high = std::max(high, d.netCents);
    }
    const Plot p = Axes(target, low, high);
    TCanvas& c = target.Canvas();
    c.Brush.Style = TBrushStyle::bsSolid;
    const int slot = p.area.Width() / count;
    for (const DayNet& d : days) {
        const std::int64_t age = today - d.day;
        if (age < 0 || age >= count) continue;
        const int left = p.area.Left + static_cast<int>(count - 1 - age) * slot + 1;
        const int zero = p.Y(0), end = p.Y(d.netCents);
        c.Brush.Color = d.netCents >= 0 ? kGainColor : kLossColor;
        c.FillRect({left, std::min(zero, end), left + std::max(slot - 2, 1), std::max(zero, end) + 1});
    }
}
