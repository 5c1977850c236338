// SPDX-License-Identifier: GPL-3.0-or-later
#include "money/payout_pieces.h"

#include <charconv>

namespace {

constexpr int kTensFirst = 2, kUnitsFirst = 5, kCentsFirst = 8;

void AddTimes(std::vector<std::string>& out, long long times, int piece) {
    for (long long i = 0; i < times; ++i) out.emplace_back(kPayoutPieces[piece].name);
}

// A digit as pieces of 5, 2 and 1 units, starting at `first`: 9 = 5 + 2 + 2, 4 = 2 + 2.
void AddDigit(std::vector<std::string>& out, int digit, int first) {
    if (digit >= 5) {
        AddTimes(out, 1, first);
        digit -= 5;
    }
    AddTimes(out, digit / 2, first + 1);
    AddTimes(out, digit % 2, first + 2);
}

long long WholeNumber(std::string_view digits) {
    long long value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

int PayoutPieceIndex(std::string_view name) {
    for (std::size_t i = 0; i < kPayoutPieces.size(); ++i)
        if (kPayoutPieces[i].name == name) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> PayoutPieceNames(std::string_view amountText) {
    const std::size_t comma = amountText.find(',');
    const long long euros = WholeNumber(amountText.substr(0, comma));
    const long long cents = comma == std::string_view::npos ? 0 : WholeNumber(amountText.substr(comma + 1));
    std::vector<std::string> out;
    AddTimes(out, euros / 500, 0);
    AddTimes(out, euros % 500 / 100, 1);
    AddDigit(out, static_cast<int>(euros % 100 / 10), kTensFirst);
    AddDigit(out, static_cast<int>(euros % 10), kUnitsFirst);
    if (cents % 10 == 0 && cents < 100) AddDigit(out, static_cast<int>(cents / 10), kCentsFirst);
    return out;
}
