// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help's text source, a small line-based markup:
//   # Title            ## Heading          ### Subheading
//   - item             1. numbered item    (a plain line after them continues them)
//   @figure name       a figure the generator draws from the game's tables
//   @button Picture Text…   a button's picture beside its explanation
//   @page              a page break
// A blank line ends a paragraph or item. Text is pango markup (<b>, <i>, &amp;); {name} is
// replaced by a figure computed from the game, and an unknown name is an error.
#include <map>
#include <string>
#include <vector>

struct HelpBlock {
    enum Kind { Title, Heading, Subheading, Paragraph, Item, NumberedItem, Figure, Button, PageBreak };
    Kind kind;
    std::string text;
    std::string name;  // the figure's or the button picture's name; the number of a numbered item
};

// Throws std::runtime_error naming the line of an unknown {name} or a malformed line.
std::vector<HelpBlock> ParseHelp(const std::string& source, const std::map<std::string, std::string>& values);
