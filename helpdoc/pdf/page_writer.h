// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Flowing text and figures onto A4 pages: pango breaks the lines, a paragraph that reaches the
// foot of a page goes on on the next, and every page gets its running head and number.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>
#include <string>

struct TextStyle {
    const char* font;  // a pango font description: "Liberation Sans 10"
    double r = 0.1, g = 0.1, b = 0.1;
    double lineSpacing = 1.15;
};

namespace styles {
inline const TextStyle kBody{"Liberation Sans 10"};
inline const TextStyle kSmall{"Liberation Sans 8.5"};
inline const TextStyle kTable{"Liberation Sans 9"};
inline const TextStyle kTitle{"Liberation Sans Bold 18", 0.04, 0.30, 0.42};
inline const TextStyle kHeading{"Liberation Sans Bold 15", 0.04, 0.30, 0.42};
inline const TextStyle kSubheading{"Liberation Sans Bold 11.5", 0.04, 0.30, 0.42};
}  // namespace styles

struct LayoutDeleter {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
using Layout = std::unique_ptr<PangoLayout, LayoutDeleter>;

class PageWriter {
public:
    static constexpr double kPageWidth = 595.28, kPageHeight = 841.89;
    static constexpr double kMarginX = 56, kTop = 64, kBottom = 780;

    PageWriter(cairo_t* cr, std::string runningHead);

    cairo_t* Cairo() { return cr_; }
    double Left() const { return kMarginX; }
    double Width() const { return kPageWidth - 2 * kMarginX; }
    double Y() const { return y_; }
    int Page() const { return page_; }
    void Advance(double points) { y_ += points; }
    // Starts a new page unless `points` still fit on this one.
    void EnsureRoom(double points);
    void NewPage();
    // Ends the last page.
    void Finish();

    // A layout of pango markup in a style, broken to `width` points.
    Layout MakeLayout(const std::string& markup, const TextStyle& style, double width) const;
    // Draws a whole layout with its top-left corner at (x, y) in the style's colour.
    void Draw(const Layout& layout, const TextStyle& style, double x, double y);
    static double HeightOf(const Layout& layout);
    static double WidthOf(const Layout& layout);

    // A paragraph at the current position, moving on to the next page between lines where it
    // must; `marker` ("•", "2.") hangs in the indent before the first line.
    void Paragraph(const std::string& markup, const TextStyle& style, double indent = 0,
                   const std::string& marker = "");
    void Heading(const std::string& text);
    void Subheading(const std::string& text);

private:
    void DrawFooter();

    cairo_t* cr_;
    std::string runningHead_;
    double y_ = kTop;
    int page_ = 1;
};
