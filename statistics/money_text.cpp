// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/money_text.h"

#include <cstdlib>

std::int64_t CentsOf(const EuroDecimal& amount) {
    std::string text = amount.ToFixed(2);
    text.erase(text.find(','), 1);
    return std::strtoll(text.c_str(), nullptr, 10);
}

std::string EuroText(std::int64_t cents) {
    const std::int64_t magnitude = cents < 0 ? -cents : cents;
    std::string places = std::to_string(magnitude % 100);
    if (places.size() < 2) places.insert(0, "0");
    return (cents < 0 ? "-" : "") + std::to_string(magnitude / 100) + "," + places;
}

std::string SignedEuroText(std::int64_t cents) { return (cents > 0 ? "+" : "") + EuroText(cents); }
