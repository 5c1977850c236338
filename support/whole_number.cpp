// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/whole_number.h"

#include <charconv>

std::optional<int> ParseWholeNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}
