// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/label.h"

#include <sstream>

#include "toolkit/blit.h"

TLabel::TLabel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 65, 13); }

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v) FitToCaption();
}

void TLabel::SetCaption(std::string caption) {
    TControl::SetCaption(std::move(caption));
    if (autoSize_) FitToCaption();
}

void TLabel::FitToCaption() {
    if (WordWrap) {
        auto lines = WrapText(Font(), Caption(), Width());
        int h = FontEngine::Instance().Measure(Font(), "Ag").height;
        SetHeight(h * static_cast<int>(lines.size()));
        return;
    }
    TextExtent e = FontEngine::Instance().Measure(Font(), Caption());
    SetBounds(Left(), Top(), e.width, e.height);
}

void TLabel::Paint(PixelBuffer& target, TPoint origin, const TRect& clip) {
    TRect r = Bounds(origin.X, origin.Y, Width(), Height());
    if (!Transparent) FillRect(target, r.Intersect(clip), Color);
    FontEngine& fe = FontEngine::Instance();
    std::vector<std::string> lines = WordWrap ? WrapText(Font(), Caption(), Width())
                                              : std::vector<std::string>{Caption()};
    int y = r.Top;
    for (const std::string& line : lines) {
        TextExtent e = fe.Measure(Font(), line);
        int x = r.Left;
        if (Alignment == TAlignment::taCenter) x += (r.Width() - e.width) / 2;
        if (Alignment == TAlignment::taRightJustify) x += r.Width() - e.width;
        fe.Draw(target, x, y, Font(), line, r.Intersect(clip));
        y += e.height;
    }
}

std::vector<std::string> WrapText(const TFont& font, const std::string& text, int width) {
    std::vector<std::string> out;
    std::istringstream paragraphs(text);
    std::string paragraph;
    FontEngine& fe = FontEngine::Instance();
    while (std::getline(paragraphs, paragraph)) {
        std::istringstream words(paragraph);
        std::string word, line;
        while (words >> word) {
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && fe.Measure(font, candidate).width > width) {
                out.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        out.push_back(line);
    }
    if (out.empty()) out.push_back("");
    return out;
}
