// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures the help's text names in braces ({gewinnchance}, {quote_fangen}, ...), all
// computed from the game's tables: the chance of a win and the two players' returns.
#include <map>
#include <string>

std::map<std::string, std::string> HelpValues();
