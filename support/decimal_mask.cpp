// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/decimal_mask.h"

#include <algorithm>

namespace {

struct MaskShape {
    std::size_t minIntegerDigits = 0;
    std::size_t minPlaces = 0;
    std::size_t maxPlaces = 0;
};

MaskShape ReadMask(std::string_view mask) {
    const std::size_t comma = mask.find(',');
    const std::string_view integerPart = mask.substr(0, comma);
    const std::string_view fractionPart =
        comma == std::string_view::npos ? std::string_view() : mask.substr(comma + 1);
    if (integerPart.find_first_not_of("#0") != std::string_view::npos ||
        fractionPart.find_first_not_of("#0") != std::string_view::npos ||
        fractionPart.size() > EuroDecimal::kPlaces)
        throw DecimalError("bad number mask: \"" + std::string(mask) + "\"");
    MaskShape shape;
    // Each '0' before the comma forces one digit; a '#' never does, wherever it stands.
    shape.minIntegerDigits = static_cast<std::size_t>(std::count(integerPart.begin(), integerPart.end(), '0'));
    const std::size_t lastZero = fractionPart.rfind('0');
    if (lastZero != std::string_view::npos) shape.minPlaces = lastZero + 1;
    shape.maxPlaces = fractionPart.size();
    return shape;
}

std::string ShapeInteger(std::string digits, std::size_t minDigits) {
    if (digits == "0" && minDigits == 0) return "";
    if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

std::string ShapeFraction(std::string digits, std::size_t minPlaces) {
    while (digits.size() > minPlaces && digits.back() == '0') digits.pop_back();
    return digits;
}

}  // namespace

std::string FormatWithMask(const EuroDecimal& value, std::string_view mask) {
    const MaskShape shape = ReadMask(mask);
    std::string text = value.ToFixed(static_cast<int>(shape.maxPlaces));
    const bool negative = text.front() == '-';
    if (negative) text.erase(0, 1);
    const std::size_t comma = text.find(',');
    const std::string integer = ShapeInteger(text.substr(0, comma), shape.minIntegerDigits);
    const std::string fraction =
        comma == std::string::npos ? "" : ShapeFraction(text.substr(comma + 1), shape.minPlaces);
    return (negative ? "-" : "") + integer + (fraction.empty() ? "" : "," + fraction);
}
