// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/pdf/page_writer.h"

#include <algorithm>

namespace {

double Points(int pangoUnits) { return static_cast<double>(pangoUnits) / PANGO_SCALE; }

void SetColour(cairo_t* cr, const TextStyle& style) { cairo_set_source_rgb(cr, style.r, style.g, style.b); }

}  // namespace

PageWriter::PageWriter(cairo_t* cr, std::string runningHead) : cr_(cr), runningHead_(std::move(runningHead)) {}

void PageWriter::EnsureRoom(double points) {
    if (y_ + points > kBottom) NewPage();
}

void PageWriter::NewPage() {
    DrawFooter();
    cairo_show_page(cr_);
    ++page_;
    y_ = kTop;
    const Layout head = MakeLayout(runningHead_, styles::kSmall, Width());
    Draw(head, styles::kSmall, Left(), 34);
    cairo_set_source_rgb(cr_, 0.04, 0.30, 0.42);
    cairo_set_line_width(cr_, 0.6);
    cairo_move_to(cr_, Left(), 48);
    cairo_line_to(cr_, Left() + Width(), 48);
    cairo_stroke(cr_);
}

void PageWriter::Finish() {
    DrawFooter();
    cairo_show_page(cr_);
}

void PageWriter::DrawFooter() {
    const Layout number = MakeLayout("– " + std::to_string(page_) + " –", styles::kSmall, Width());
    pango_layout_set_alignment(number.get(), PANGO_ALIGN_CENTER);
    Draw(number, styles::kSmall, Left(), kBottom + 26);
}

Layout PageWriter::MakeLayout(const std::string& markup, const TextStyle& style, double width) const {
    Layout layout(pango_cairo_create_layout(cr_));
    PangoFontDescription* font = pango_font_description_from_string(style.font);
    pango_layout_set_font_description(layout.get(), font);
    pango_font_description_free(font);
    pango_layout_set_width(layout.get(), static_cast<int>(width * PANGO_SCALE));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
    pango_layout_set_line_spacing(layout.get(), static_cast<float>(style.lineSpacing));
    pango_layout_set_markup(layout.get(), markup.c_str(), -1);
    return layout;
}

void PageWriter::Draw(const Layout& layout, const TextStyle& style, double x, double y) {
    SetColour(cr_, style);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout.get());
}

double PageWriter::HeightOf(const Layout& layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    return Points(logical.height);
}

double PageWriter::WidthOf(const Layout& layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    return Points(logical.width);
}

void PageWriter::Paragraph(const std::string& markup, const TextStyle& style, double indent,
                           const std::string& marker) {
    const Layout layout = MakeLayout(markup, style, Width() - indent);
    // Two lines at least stay together at the foot of a page.
    EnsureRoom(std::min(HeightOf(layout), 2.4 * 14.0));
    if (!marker.empty()) {
        const Layout mark = MakeLayout(marker, style, indent);
        Draw(mark, style, Left() + indent - WidthOf(mark) - 5, y_);
    }
    SetColour(cr_, style);
    PangoLayoutIter* it = pango_layout_get_iter(layout.get());
    double offset = 0;  // where in the layout this page's part begins
    do {
        PangoRectangle line;
        pango_layout_iter_get_line_extents(it, nullptr, &line);
        if (y_ + Points(line.y + line.height) - offset > kBottom) {
            NewPage();
            SetColour(cr_, style);
            offset = Points(line.y);
        }
        cairo_move_to(cr_, Left() + indent + Points(line.x), y_ + Points(pango_layout_iter_get_baseline(it)) - offset);
        pango_cairo_show_layout_line(cr_, pango_layout_iter_get_line_readonly(it));
    } while (pango_layout_iter_next_line(it));
    pango_layout_iter_free(it);
    y_ += HeightOf(layout) - offset;
}

void PageWriter::Heading(const std::string& text) {
    EnsureRoom(110);
    if (y_ > kTop) y_ += 14;
    const Layout layout = MakeLayout(text, styles::kHeading, Width());
    Draw(layout, styles::kHeading, Left(), y_);
    y_ += HeightOf(layout) + 3;
    cairo_set_source_rgb(cr_, 0.55, 0.75, 0.80);
    cairo_set_line_width(cr_, 1.2);
    cairo_move_to(cr_, Left(), y_);
    cairo_line_to(cr_, Left() + Width(), y_);
    cairo_stroke(cr_);
    y_ += 8;
}

void PageWriter::Subheading(const std::string& text) {
    EnsureRoom(70);
    y_ += 6;
    const Layout layout = MakeLayout(text, styles::kSubheading, Width());
    Draw(layout, styles::kSubheading, Left(), y_);
    y_ += HeightOf(layout) + 3;
}
