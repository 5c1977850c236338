// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/fraction.h"

#include <numeric>
#include <stdexcept>

namespace {

[[noreturn]] void Overflow() { throw std::overflow_error("fraction too large"); }

std::int64_t Mul(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) Overflow();
    return r;
}

std::int64_t Add(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) Overflow();
    return r;
}

}  // namespace

Fraction::Fraction(std::int64_t numerator, std::int64_t denominator) : num_(numerator), den_(denominator) {
    if (den_ == 0) throw std::domain_error("fraction with denominator 0");
    if (den_ < 0) {
        num_ = -num_;
        den_ = -den_;
    }
    const std::int64_t g = std::gcd(num_, den_);
    num_ /= g;
    den_ /= g;
}

Fraction Fraction::FromDecimalText(std::string_view text) {
    std::int64_t num = 0, den = 1;
    bool afterComma = false;
    for (char c : text) {
        if (c == ',' && !afterComma) {
            afterComma = true;
        } else if (c >= '0' && c <= '9') {
            num = Add(Mul(num, 10), c - '0');
            if (afterComma) den = Mul(den, 10);
        } else {
            throw std::invalid_argument("not a decimal amount: " + std::string(text));
        }
    }
    return {num, den};
}

Fraction operator+(const Fraction& a, const Fraction& b) {
    const std::int64_t g = std::gcd(a.den_, b.den_);
    const std::int64_t left = Mul(a.num_, b.den_ / g), right = Mul(b.num_, a.den_ / g);
    return {Add(left, right), Mul(a.den_ / g, b.den_)};
}

Fraction operator-(const Fraction& a, const Fraction& b) { return a + Fraction(-b.num_, b.den_); }

Fraction operator*(const Fraction& a, const Fraction& b) {
    // Cross-cancelled first, so that the products stay as small as the result allows.
    const std::int64_t g1 = std::gcd(a.num_, b.den_), g2 = std::gcd(b.num_, a.den_);
    return {Mul(a.num_ / g1, b.num_ / g2), Mul(a.den_ / g2, b.den_ / g1)};
}

Fraction operator/(const Fraction& a, const Fraction& b) { return a * Fraction(b.den_, b.num_); }

bool Fraction::operator<(const Fraction& b) const { return (*this - b).num_ < 0; }

std::string Fraction::Text() const {
    if (den_ == 1) return std::to_string(num_);
    return std::to_string(num_) + "/" + std::to_string(den_);
}

std::string Fraction::DecimalText(int places) const {
    std::int64_t scale = 1;
    for (int i = 0; i < places; ++i) scale = Mul(scale, 10);
    const std::int64_t magnitude = num_ < 0 ? -num_ : num_;
    // Twice the scaled value, plus one, halved: rounds half away from zero.
    const std::int64_t scaled = (Mul(Mul(magnitude, scale), 2) / den_ + 1) / 2;
    std::string digits = std::to_string(scaled);
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    const std::size_t whole = digits.size() - static_cast<std::size_t>(places);
    std::string text = num_ < 0 && scaled != 0 ? "-" : "";
    text.append(digits, 0, whole);
    if (places > 0) text.append(1, ',').append(digits, whole);
    return text;
}

std::string Fraction::PercentText(int places) const {
    return (*this * Fraction(100)).DecimalText(places) + " %";
}
