// SPDX-License-Identifier: GPL-3.0-or-later
#include "money/payout_pieces.h"

#include <charconv>

namespace {

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
    // Cents that the smallest coin cannot pay are not paid at all.
    const bool centsPaid = cents < 100 && cents % kPayoutPieces.back().cents == 0;
    long long left = euros * 100 + (centsPaid ? cents : 0);
    std::vector<std::string> out;
    for (const PayoutPiece& piece : kPayoutPieces)
        for (; left >= piece.cents; left -= piece.cents) out.emplace_back(piece.name);
    return out;
}
