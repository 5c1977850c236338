// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole number as it is typed or stored: digits with an optional sign, nothing else.
#include <optional>
#include <string_view>

std::optional<int> ParseWholeNumber(std::string_view text);
