// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact signed decimal for money and counts. No floating point is involved anywhere.
//
// The value is held as a whole number of 10^-18 units, so every amount with up to 18 digits
// before the comma and up to 18 after it is exact. Texts use the decimal comma and no grouping,
// whatever the locale.
#include <compare>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised for text that is not a number, for results beyond 18 integer digits and for bad masks.
class DecimalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EuroDecimal {
public:
    static constexpr int kPlaces = 18;         // digits held after the comma
    static constexpr int kIntegerDigits = 18;  // digits allowed before the comma

    EuroDecimal() = default;  // zero

    // Accepts leading and trailing blanks, an optional sign, digits with an optional decimal
    // comma, and an optional exponent ("1,5E2"). Digits beyond 18 places round half away from
    // zero. Throws DecimalError naming the text when it is not a number or too large.
    static EuroDecimal Parse(std::string_view text);
    static std::optional<EuroDecimal> TryParse(std::string_view text) noexcept;
    static EuroDecimal FromInteger(long long value);

    EuroDecimal operator+(const EuroDecimal& other) const;  // DecimalError on overflow
    EuroDecimal operator-(const EuroDecimal& other) const;
    EuroDecimal operator-() const;
    EuroDecimal& operator+=(const EuroDecimal& other) { return *this = *this + other; }
    EuroDecimal& operator-=(const EuroDecimal& other) { return *this = *this - other; }

    int Sign() const { return units_ > 0 ? 1 : (units_ < 0 ? -1 : 0); }

    // Fixed number of places (0 to 18), rounded half away from zero: "1234,50", "-3,00", "7".
    // A value that rounds to zero has no sign.
    std::string ToFixed(int places) const;
    // All exact digits without trailing zeros or a bare comma: "2,5", "3", "-0,125".
    std::string ToShortest() const;

    friend bool operator==(const EuroDecimal&, const EuroDecimal&) = default;
    friend auto operator<=>(const EuroDecimal&, const EuroDecimal&) = default;

private:
    __extension__ typedef __int128 Units;
    explicit EuroDecimal(Units units) : units_(units) {}
    static EuroDecimal Checked(Units units);
    friend class EuroDecimalParser;

    Units units_ = 0;  // value times 10^18
};
