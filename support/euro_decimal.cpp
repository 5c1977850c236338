// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/euro_decimal.h"

#include <algorithm>

namespace {

__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

UWide PowerOfTen(int exponent) {
    UWide result = 1;
    for (int i = 0; i < exponent; ++i) result *= 10;
    return result;
}

// The first value that no longer fits: 10^(18 integer digits + 18 places).
const UWide kLimit = PowerOfTen(EuroDecimal::kIntegerDigits + EuroDecimal::kPlaces);

UWide Magnitude(Wide value) {
    return value < 0 ? UWide(0) - UWide(value) : UWide(value);
}

std::string DigitsOf(UWide value) {
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

}  // namespace

// Reads the pieces of a number text; see EuroDecimal::Parse for the grammar.
class EuroDecimalParser {
public:
    explicit EuroDecimalParser(std::string_view text) : text_(text) {}

    std::optional<EuroDecimal> Run() {
        SkipBlanks();
        const bool negative = ReadSign();
        if (!ReadMantissa() || !ReadExponent()) return std::nullopt;
        SkipBlanks();
        if (pos_ != text_.size()) return std::nullopt;
        return Scale(negative);
    }

private:
    static constexpr long long kExponentCap = 1'000'000;

    bool AtDigit() const { return pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9'; }
    bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

    void SkipBlanks() {
        while (At(' ') || At('\t')) ++pos_;
    }

    bool ReadSign() {
        if (At('+') || At('-')) return text_[pos_++] == '-';
        return false;
    }

    // Collects the significant digits; each digit after the comma lowers the exponent by one.
    bool ReadMantissa() {
        const std::size_t integerDigits = ReadDigits(false);
        std::size_t fractionDigits = 0;
        if (At(',')) {
            ++pos_;
            fractionDigits = ReadDigits(true);
        }
        return integerDigits + fractionDigits > 0;
    }

    std::size_t ReadDigits(bool afterComma) {
        std::size_t count = 0;
        for (; AtDigit(); ++pos_, ++count) {
            if (!(digits_.empty() && text_[pos_] == '0')) digits_.push_back(text_[pos_]);
            if (afterComma) --exponent_;
        }
        return count;
    }

    bool ReadExponent() {
        if (!At('E') && !At('e')) return true;
        ++pos_;
        const bool negative = ReadSign();
        if (!AtDigit()) return false;
        long long value = 0;
        for (; AtDigit(); ++pos_) value = std::min(kExponentCap, value * 10 + (text_[pos_] - '0'));
        exponent_ += negative ? -value : value;
        return true;
    }

    // value = digits_ x 10^exponent_; expressed in 10^-18 units, rounding away the rest.
    std::optional<EuroDecimal> Scale(bool negative) const {
        const long long digitCount = static_cast<long long>(digits_.size());
        if (digitCount == 0) return EuroDecimal();
        if (digitCount + exponent_ > EuroDecimal::kIntegerDigits) return std::nullopt;
        const long long kept = digitCount + exponent_ + EuroDecimal::kPlaces;
        UWide units = 0;
        for (long long i = 0; i < std::min(kept, digitCount); ++i) units = units * 10 + (digits_[i] - '0');
        if (kept > digitCount) units *= PowerOfTen(static_cast<int>(kept - digitCount));
        if (kept < digitCount && kept >= 0 && digits_[kept] >= '5') ++units;
        if (units >= kLimit) return std::nullopt;
        const Wide signedUnits = static_cast<Wide>(units);
        return EuroDecimal::Checked(negative ? -signedUnits : signedUnits);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string digits_;  // significant digits, leading zeros dropped
    long long exponent_ = 0;
};

EuroDecimal EuroDecimal::Checked(Units units) {
    if (Magnitude(units) >= kLimit) throw DecimalError("decimal overflow: more than 18 integer digits");
    return EuroDecimal(units);
}

EuroDecimal EuroDecimal::Parse(std::string_view text) {
    if (auto value = TryParse(text)) return *value;
    throw DecimalError("not a decimal number (or too large): \"" + std::string(text) + "\"");
}

std::optional<EuroDecimal> EuroDecimal::TryParse(std::string_view text) noexcept {
    return EuroDecimalParser(text).Run();
}

EuroDecimal EuroDecimal::FromInteger(long long value) {
    return Checked(static_cast<Units>(value) * static_cast<Units>(PowerOfTen(kPlaces)));
}

EuroDecimal EuroDecimal::operator+(const EuroDecimal& other) const {
    return Checked(units_ + other.units_);
}

EuroDecimal EuroDecimal::operator-(const EuroDecimal& other) const {
    return Checked(units_ - other.units_);
}

EuroDecimal EuroDecimal::operator-() const {
    return EuroDecimal(-units_);
}

std::string EuroDecimal::ToFixed(int places) const {
    if (places < 0 || places > kPlaces) throw DecimalError("decimal places out of range");
    const UWide step = PowerOfTen(kPlaces - places);
    const UWide rounded = (Magnitude(units_) + step / 2) / step;
    std::string digits = DigitsOf(rounded);
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    if (places > 0) digits.insert(digits.size() - static_cast<std::size_t>(places), 1, ',');
    return (units_ < 0 && rounded != 0) ? "-" + digits : digits;
}

std::string EuroDecimal::ToShortest() const {
    std::string text = ToFixed(kPlaces);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == ',') text.pop_back();
    return text;
}
