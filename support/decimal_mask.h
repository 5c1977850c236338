// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Formats an exact decimal with a digit mask such as "########0,00" or "########0#".
//
// Before the comma, '#' is an optional and '0' a forced digit: as many integer digits are
// always shown as there are '0's ("########0#" shows 0, 5 and 35), and larger numbers show
// all their digits. After the comma,
// the number of placeholders sets the places (rounded half away from zero) and the rightmost
// '0' how many of them are kept when they are trailing zeros. A bare trailing comma is dropped.
#include <string>
#include <string_view>

#include "support/euro_decimal.h"

// Throws DecimalError for a mask with other characters or more than one comma.
std::string FormatWithMask(const EuroDecimal& value, std::string_view mask);
