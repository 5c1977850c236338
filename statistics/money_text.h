// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole cents to and from the game's amounts and texts: "1234,50", "-3,40", "+0,60".
#include <cstdint>
#include <string>

#include "support/euro_decimal.h"

// The amount rounded to cents, as the game shows it with two places.
std::int64_t CentsOf(const EuroDecimal& amount);
std::string EuroText(std::int64_t cents);
// With a "+" before a gain.
std::string SignedEuroText(std::int64_t cents);
