// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/pdf/help_figures.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "game/reel_positions.h"
#include "helpdoc/help_names.h"
#include "helpdoc/player_return.h"
#include "helpdoc/win_plan.h"

namespace {

constexpr double kRowHeight = 19, kBandHeight = 19;
constexpr double kReelPictureWidth = 39, kReelPictureHeight = 14;

enum class Align { Left, Right };

// One line of text in a table; `width` is the room it has, to the right of x or, right-aligned,
// to the left of x + width.
void Cell(PageWriter& page, const std::string& markup, const TextStyle& style, double x, double y,
          double width, Align align = Align::Left) {
    const Layout layout = page.MakeLayout(markup, style, width);
    pango_layout_set_width(layout.get(), -1);
    const double shift = align == Align::Right ? width - PageWriter::WidthOf(layout) : 0;
    page.Draw(layout, style, x + shift, y);
}

void Fill(cairo_t* cr, double x, double y, double w, double h, double r, double g, double b) {
    cairo_set_source_rgb(cr, r, g, b);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void Rule(cairo_t* cr, double x, double y, double w) {
    cairo_set_source_rgb(cr, 0.55, 0.75, 0.80);
    cairo_set_line_width(cr, 0.6);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + w, y);
    cairo_stroke(cr);
}

std::string Bold(const std::string& text) { return "<b>" + text + "</b>"; }

std::string PictureAsset(Walzenbild picture) { return std::string(ComponentName(picture)); }

// The pictures in the order the strip first shows them: sharks, shells, starfish, amounts.
std::vector<Walzenbild> StripOrder() {
    std::vector<Walzenbild> order;
    for (Walzenbild p : kReelStrip)
        if (std::find(order.begin(), order.end(), p) == order.end()) order.push_back(p);
    return order;
}

// The reel pictures in two columns: what each shows and on how many positions of each reel.
void ReelLegend(PageWriter& page, PictureSource& pictures) {
    const double half = page.Width() / 2, rows = (kWalzenbildCount + 1) / 2, h = 24;
    page.EnsureRoom(20 + rows * h);
    const std::vector<Walzenbild> order = StripOrder();
    const double top = page.Y();
    const std::string counts = std::to_string(PositionCount(Reel::Left)) + " / " +
                               std::to_string(PositionCount(Reel::Middle)) + " / " +
                               std::to_string(PositionCount(Reel::Right));
    for (int column = 0; column < 2; ++column) {
        const double x = page.Left() + column * half;
        Cell(page, Bold("Bild"), styles::kSmall, x, top, 50);
        Cell(page, Bold("Name"), styles::kSmall, x + 58, top, 80);
        Cell(page, Bold("Felder von " + counts), styles::kSmall, x + 100, top, half - 115, Align::Right);
    }
    Rule(page.Cairo(), page.Left(), top + 14, page.Width());
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        const Walzenbild picture = order[static_cast<std::size_t>(i)];
        const double x = page.Left() + (i < rows ? 0 : half), y = top + 19 + (i % static_cast<int>(rows)) * h;
        pictures.Draw(page.Cairo(), PictureAsset(picture), x, y, 48, 17);
        Cell(page, std::string(PictureName(picture)), styles::kBody, x + 58, y + 2, 90);
        const std::string text = std::to_string(StripCount(Reel::Left, picture)) + " / " +
                                 std::to_string(StripCount(Reel::Middle, picture)) + " / " +
                                 std::to_string(StripCount(Reel::Right, picture));
        Cell(page, text, styles::kBody, x + 100, y + 2, half - 115, Align::Right);
    }
    page.Advance(19 + rows * h + 6);
}

// Both ladders, from 00 up to the top step, in their unlit look.
void Ladders(PageWriter& page, PictureSource& pictures) {
    const double w = 50, h = 32, gap = 5;
    page.EnsureRoom(2 * (h + 22));
    for (Ladder ladder : {Ladder::Left, Ladder::Right}) {
        const double y = page.Y();
        Cell(page, Bold(std::string(PartsOfLadder(ladder).name)), styles::kBody, page.Left(), y + 10, 90);
        for (int step = 0; step <= kTopStep; ++step) {
            const double x = page.Left() + 96 + step * (w + gap);
            const std::string name = std::string(FieldOf(ladder, step).name) + "_normal";
            pictures.Draw(page.Cairo(), name, x, y, w, h, true);
        }
        page.Advance(h + 8);
    }
    Cell(page, "links die 00, rechts die Spitze der Leiter", styles::kSmall, page.Left() + 96, page.Y() - 4, 300);
    page.Advance(14);
}

// The risk banner and the three markers.
void RiskGame(PageWriter& page, PictureSource& pictures) {
    const double h = 26;
    page.EnsureRoom(h + 12);
    const double bannerWidth = pictures.WidthAt("ImageRisiko", h);
    double x = page.Left();
    pictures.Draw(page.Cairo(), "ImageRisiko", x, page.Y(), bannerWidth, h, true);
    x += bannerWidth + 24;
    for (const char* marker : {"Image2mal", "Image1mal", "Image0mal"}) {
        const double mw = pictures.WidthAt(marker, h + 4);
        pictures.Draw(page.Cairo(), marker, x, page.Y() - 2, mw, h + 4, true);
        x += mw + 10;
    }
    page.Advance(h + 12);
}

// The win plan's column heads; repeated at the top of a continuation page.
struct PlanColumns {
    double pictures, names, chanceRight, percentRight;
};

PlanColumns Columns(const PageWriter& page) {
    return {page.Left() + 6, page.Left() + 134, page.Left() + 400, page.Left() + page.Width() - 6};
}

void PlanHead(PageWriter& page) {
    const PlanColumns c = Columns(page);
    const double y = page.Y();
    Cell(page, Bold("Walzenbilder: links – Mitte – rechts"), styles::kSmall, c.pictures, y, 300);
    Cell(page, Bold("Chance je Spiel"), styles::kSmall, c.chanceRight - 100, y, 100, Align::Right);
    Cell(page, Bold("in Prozent"), styles::kSmall, c.percentRight - 80, y, 80, Align::Right);
    Rule(page.Cairo(), page.Left(), y + 14, page.Width());
    page.Advance(18);
}

// Starts a new page with the column heads when `points` do not fit any more.
void PlanRoom(PageWriter& page, double points) {
    const int before = page.Page();
    page.EnsureRoom(points);
    if (page.Page() != before) PlanHead(page);
}

void PlanBand(PageWriter& page, const PlanLevel& level) {
    PlanRoom(page, kBandHeight + 2 * kRowHeight);
    const PlanColumns c = Columns(page);
    const double y = page.Y();
    Fill(page.Cairo(), page.Left(), y, page.Width(), kBandHeight - 2, 0.84, 0.93, 0.95);
    Cell(page, Bold(std::string(PartsOfLadder(level.ladder).name) + ": " + LevelText(level.ladder, level.step)), styles::kBody,
         c.pictures, y + 2, 250);
    Cell(page, "zusammen " + level.chance.Text() + " = " + level.chance.PercentText(4), styles::kSmall,
         c.percentRight - 250, y + 3.5, 250, Align::Right);
    page.Advance(kBandHeight);
}

void PlanRow(PageWriter& page, PictureSource& pictures, const PlanLine& line, bool shaded) {
    PlanRoom(page, kRowHeight);
    const PlanColumns c = Columns(page);
    const double y = page.Y();
    if (shaded) Fill(page.Cairo(), page.Left(), y, page.Width(), kRowHeight, 0.96, 0.97, 0.97);
    const Walzenbild three[] = {line.pictures.left, line.pictures.middle, line.pictures.right};
    for (int i = 0; i < 3; ++i)
        pictures.Draw(page.Cairo(), PictureAsset(three[i]), c.pictures + i * (kReelPictureWidth + 2), y + 2.5,
                      kReelPictureWidth, kReelPictureHeight);
    Cell(page, CombinationText(line.pictures), styles::kTable, c.names, y + 3.5, c.chanceRight - c.names - 60);
    Cell(page, line.chance.Text(), styles::kTable, c.chanceRight - 60, y + 3.5, 60, Align::Right);
    Cell(page, line.chance.PercentText(4), styles::kTable, c.percentRight - 70, y + 3.5, 70, Align::Right);
    page.Advance(kRowHeight);
}

void WinPlanTable(PageWriter& page, PictureSource& pictures) {
    page.EnsureRoom(18 + kBandHeight + 2 * kRowHeight);
    PlanHead(page);
    for (const PlanLevel& level : WinPlan()) {
        PlanBand(page, level);
        bool shaded = false;
        for (const PlanLine& line : level.lines) {
            PlanRow(page, pictures, line, shaded);
            shaded = !shaded;
        }
    }
    PlanRoom(page, 24);
    const PlanColumns c = Columns(page);
    const Fraction any = AnyWinChance();
    Rule(page.Cairo(), page.Left(), page.Y() + 2, page.Width());
    Cell(page, Bold("Irgendein Gewinn"), styles::kBody, c.pictures, page.Y() + 6, 200);
    Cell(page, Bold(any.Text()), styles::kBody, c.chanceRight - 70, page.Y() + 6, 70, Align::Right);
    Cell(page, Bold(any.PercentText(4)), styles::kBody, c.percentRight - 80, page.Y() + 6, 80, Align::Right);
    page.Advance(28);
}

// What a ladder started at each level credits on average for the two players, and the sums.
void Returns(PageWriter& page) {
    const double x = page.Left(), right = page.Left() + page.Width() - 6;
    const double chanceRight = x + 260, playerA = x + 370;
    page.EnsureRoom(14 * kRowHeight);
    const double y = page.Y();
    Cell(page, Bold("Die Leiter beginnt mit"), styles::kSmall, x + 6, y, 170);
    Cell(page, Bold("Chance je Spiel"), styles::kSmall, chanceRight - 90, y, 90, Align::Right);
    Cell(page, Bold("Leiter laufen lassen"), styles::kSmall, playerA - 110, y, 110, Align::Right);
    Cell(page, Bold("jede Stufe fangen"), styles::kSmall, right - 110, y, 110, Align::Right);
    Cell(page, "Wert der ganzen Leiter im Mittel", styles::kSmall, right - 240, y + 11, 240, Align::Right);
    Rule(page.Cairo(), x, y + 25, page.Width());
    page.Advance(28);
    bool shaded = false;
    for (const PlanLevel& level : WinPlan()) {
        const double row = page.Y();
        if (shaded) Fill(page.Cairo(), x, row, page.Width(), 16, 0.96, 0.97, 0.97);
        shaded = !shaded;
        const std::string name = std::string(PartsOfLadder(level.ladder).side) + " ";
        Cell(page, name + LevelText(level.ladder, level.step), styles::kBody, x + 6, row + 1.5, 180);
        Cell(page, level.chance.Text(), styles::kBody, chanceRight - 90, row + 1.5, 90, Align::Right);
        for (Player player : kBothPlayers) {
            const double colRight = player == Player::LetsLaddersRun ? playerA : right;
            const Fraction worth = LadderWorth(player, level.ladder, level.step);
            Cell(page, worth.DecimalText(4) + " Euro", styles::kBody, colRight - 110, row + 1.5, 110, Align::Right);
        }
        page.Advance(16);
    }
    Rule(page.Cairo(), x, page.Y() + 2, page.Width());
    page.Advance(5);
    const char* const sums[] = {"Gewinn je Spiel", "Auszahlungsquote"};
    for (const char* label : sums) {
        const bool quote = std::string(label) == "Auszahlungsquote";
        Cell(page, Bold(label), styles::kBody, x + 6, page.Y() + 1.5, 180);
        for (Player player : kBothPlayers) {
            const double colRight = player == Player::LetsLaddersRun ? playerA : right;
            const std::string value = quote ? ReturnToPlayer(player).PercentText(2)
                                            : WinPerGame(player).DecimalText(4) + " Euro";
            Cell(page, Bold(value), styles::kBody, colRight - 110, page.Y() + 1.5, 110, Align::Right);
        }
        page.Advance(17);
    }
    page.Advance(6);
}

}  // namespace

void DrawFigure(const std::string& name, PageWriter& page, PictureSource& pictures) {
    if (name == "walzenbilder") return ReelLegend(page, pictures);
    if (name == "leitern") return Ladders(page, pictures);
    if (name == "risiko") return RiskGame(page, pictures);
    if (name == "gewinnplan") return WinPlanTable(page, pictures);
    if (name == "quoten") return Returns(page);
    throw std::runtime_error("no figure named " + name);
}
