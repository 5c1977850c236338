// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of the help that come from the game itself: the reel pictures with their counts
// on the strips, the two ladders, the risk game's markers, the win plan with every winning line
// and its chance, and the two players' returns.
#include <string>

#include "helpdoc/pdf/page_writer.h"
#include "helpdoc/pdf/picture_source.h"

// Draws the named figure at the writer's position; throws for an unknown name.
void DrawFigure(const std::string& name, PageWriter& page, PictureSource& pictures);
