// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sets the parsed help on pages: title, headings, paragraphs, lists, buttons and figures.
#include <vector>

#include "helpdoc/pdf/help_markup.h"
#include "helpdoc/pdf/page_writer.h"
#include "helpdoc/pdf/picture_source.h"

void SetHelp(const std::vector<HelpBlock>& blocks, PageWriter& page, PictureSource& pictures);
