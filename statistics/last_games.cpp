// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/last_games.h"

#include <cstdio>

#include "statistics/local_stamp.h"
#include "statistics/money_text.h"

namespace {

constexpr int kLineHeight = 36, kPicture = 30, kTop = 28;
constexpr int kTime = kLastGamesColumns[0].left, kReels = kLastGamesColumns[1].left, kLadders = kLastGamesColumns[2].left,
              kRisk = kLastGamesColumns[3].left, kSpecial = kLastGamesColumns[4].left,
              kCredit = kLastGamesColumns[5].left;
const TColor kListPaper = clWhite, kLineRule = RGB(200, 200, 200);

std::string TimeText(std::int64_t stamp) {
    const std::tm t = CalendarOf(stamp);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d. %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_hour, t.tm_min,
                  t.tm_sec);
    return text;
}

std::string Ladders(const GameRecord& g) {
    std::string text;
    for (Ladder ladder : kBothLadders) {
        const int start = g.StartLevel(ladder), top = g.TopLevel(ladder);
        if (start == 0) continue;
        if (!text.empty()) text += ", ";
        text += std::string(PartsOfLadder(ladder).side) + " " + std::to_string(start);
        if (top > start) text += " → " + std::to_string(top);
    }
    return text.empty() ? "–" : text;
}

std::string Risk(const GameRecord& g) {
    std::string text;
    const char* const names[] = {"0× ", "1× ", "2× "};
    for (int outcome = 2; outcome >= 0; --outcome) {
        const int n = g.risk[static_cast<std::size_t>(outcome)];
        if (n == 0) continue;
        if (!text.empty()) text += ", ";
        text += names[outcome] + std::to_string(n);
    }
    return text.empty() ? "–" : text;
}

std::string Special(const GameRecord& g) {
    std::string text = g.special ? "gespielt" : "";
    if (g.specialWon > 0) text += (text.empty() ? "+" : ", +") + std::to_string(g.specialWon);
    return text.empty() ? "–" : text;
}

std::string Credit(const GameRecord& g) {
    if (g.creditBeforeCents < 0) return "–";
    return EuroText(g.creditBeforeCents) + " → " + (g.creditAfterCents < 0 ? "–" : EuroText(g.creditAfterCents));
}

void Heading(TCanvas& c) {
    c.Font.Style = fsBold;
    for (const LastGamesColumn& column : kLastGamesColumns) c.TextOut(column.left, 6, column.heading);
    c.Font.Style = 0;
}

}  // namespace

TFont LastGamesFont() {
    TFont font;
    font.Height = 12;
    font.Color = clBlack;
    return font;
}

LastGameLine LineOf(const GameAt& at) {
    const GameRecord& g = at.game;
    return {TimeText(at.stamp), g.pictures, Ladders(g), Risk(g), Special(g), Credit(g)};
}

void DrawLastGames(TBitmap& target, const std::optional<std::vector<GameAt>>& games, const std::string& off,
                   const std::function<const TBitmap*(int)>& picture) {
    TCanvas& c = target.Canvas();
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = kListPaper;
    c.FillRect({0, 0, target.Width(), target.Height()});
    c.Font = LastGamesFont();
    c.Brush.Style = TBrushStyle::bsClear;
    Heading(c);
    if (!games || games->empty()) {
        c.TextOut(kTime, kTop + 8, games ? "Noch kein Spiel aufgezeichnet." : off);
        return;
    }
    int y = kTop;
    for (const GameAt& game : *games) {
        const LastGameLine line = LineOf(game);
        const int text = y + (kLineHeight - c.TextHeight(line.time)) / 2;
        c.TextOut(kTime, text, line.time);
        for (int reel = 0; reel < 3; ++reel)
            if (const TBitmap* p = picture(line.pictures[static_cast<std::size_t>(reel)]))
                c.StretchDraw({kReels + reel * (kPicture + 4), y + 3, kReels + reel * (kPicture + 4) + kPicture,
                               y + 3 + kPicture},
                              *p);
        c.TextOut(kLadders, text, line.ladders);
        c.TextOut(kRisk, text, line.risk);
        c.TextOut(kSpecial, text, line.special);
        c.TextOut(kCredit, text, line.credit);
        c.Pen.Color = kLineRule;
        c.MoveTo(0, y + kLineHeight - 1);
        c.LineTo(target.Width(), y + kLineHeight - 1);
        y += kLineHeight;
    }
}
