// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exact fraction of 64-bit integers, always in lowest terms with a positive denominator.
// Arithmetic that would overflow throws std::overflow_error rather than give a wrong figure.
#include <cstdint>
#include <string>
#include <string_view>

class Fraction {
public:
    Fraction(std::int64_t numerator = 0, std::int64_t denominator = 1);

    // "0,50" -> 1/2, "10" -> 10: the game's amount texts with a decimal comma.
    static Fraction FromDecimalText(std::string_view text);

    std::int64_t Numerator() const { return num_; }

    friend Fraction operator+(const Fraction& a, const Fraction& b);
    friend Fraction operator-(const Fraction& a, const Fraction& b);
    friend Fraction operator*(const Fraction& a, const Fraction& b);
    friend Fraction operator/(const Fraction& a, const Fraction& b);
    Fraction& operator+=(const Fraction& b) { return *this = *this + b; }
    friend bool operator==(const Fraction&, const Fraction&) = default;
    bool operator<(const Fraction& b) const;

    // "25/18816", or "3" for a whole number.
    std::string Text() const;
    // Rounded half away from zero to `places` places, decimal comma: 0,1329.
    std::string DecimalText(int places) const;
    // A chance or a return as a percentage: "0,1329 %".
    std::string PercentText(int places) const;
    double Value() const { return static_cast<double>(num_) / static_cast<double>(den_); }

private:
    std::int64_t num_, den_;
};
