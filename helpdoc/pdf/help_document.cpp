// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/pdf/help_document.h"

#include <algorithm>

#include "helpdoc/pdf/help_figures.h"

namespace {

constexpr double kItemIndent = 16, kButtonIndent = 74;

// The title beside the machine's own name plate.
void Title(PageWriter& page, PictureSource& pictures, const std::string& text) {
    const double plateHeight = 40, plateWidth = pictures.WidthAt("Tresolo_Ueberschrift", plateHeight);
    pictures.Draw(page.Cairo(), "Tresolo_Ueberschrift", page.Left() + page.Width() - plateWidth, page.Y() - 8,
                  plateWidth, plateHeight, true);
    const Layout layout = page.MakeLayout(text, styles::kTitle, page.Width() - plateWidth - 12);
    page.Draw(layout, styles::kTitle, page.Left(), page.Y());
    page.Advance(std::max(PageWriter::HeightOf(layout), plateHeight - 8) + 14);
}

// A button's picture with its explanation beside it.
void Button(PageWriter& page, PictureSource& pictures, const HelpBlock& block) {
    const double h = 22, w = pictures.WidthAt(block.name, h);
    const Layout layout = page.MakeLayout(block.text, styles::kBody, page.Width() - kButtonIndent);
    const double height = std::max(h, PageWriter::HeightOf(layout));
    page.EnsureRoom(height);
    pictures.Draw(page.Cairo(), block.name, page.Left(), page.Y(), w, h);
    page.Draw(layout, styles::kBody, page.Left() + kButtonIndent, page.Y() + 2);
    page.Advance(height + 6);
}

}  // namespace

void SetHelp(const std::vector<HelpBlock>& blocks, PageWriter& page, PictureSource& pictures) {
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const HelpBlock& block = blocks[i];
        const bool itemFollows = i + 1 < blocks.size() && (blocks[i + 1].kind == HelpBlock::Item ||
                                                           blocks[i + 1].kind == HelpBlock::NumberedItem);
        switch (block.kind) {
            case HelpBlock::Title: Title(page, pictures, block.text); break;
            case HelpBlock::Heading: page.Heading(block.text); break;
            case HelpBlock::Subheading: page.Subheading(block.text); break;
            case HelpBlock::Paragraph:
                page.Paragraph(block.text, styles::kBody);
                page.Advance(itemFollows ? 4 : 8);
                break;
            case HelpBlock::Item:
            case HelpBlock::NumberedItem:
                page.Paragraph(block.text, styles::kBody, kItemIndent,
                               block.kind == HelpBlock::Item ? "•" : block.name + ".");
                page.Advance(itemFollows ? 3 : 9);
                break;
            case HelpBlock::Button: Button(page, pictures, block); break;
            case HelpBlock::Figure:
                page.Advance(2);
                DrawFigure(block.name, page, pictures);
                page.Advance(4);
                break;
            case HelpBlock::PageBreak: page.NewPage(); break;
        }
    }
    page.Finish();
}
