// SPDX-License-Identifier: GPL-3.0-or-later
// The exact decimal against an independent rational reference over many generated values.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/euro_decimal.h"

namespace {

__extension__ typedef __int128 Big;

Big Pow10(int n) {
    Big p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

std::string Digits(Big v) {
    if (v == 0) return "0";
    std::string s;
    for (; v > 0; v /= 10) s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    return s;
}

// num / 10^scale, exact.
struct Ref {
    Big num;
    int scale;

    Ref Plus(Ref o) const {
        const int s = std::max(scale, o.scale);
        return {num * Pow10(s - scale) + o.num * Pow10(s - o.scale), s};
    }
    Ref Negated() const { return {-num, scale}; }
    bool Fits() const { return (num < 0 ? -num : num) < Pow10(18 + scale); }

    std::string Fixed(int places) const {
        Big mag = num < 0 ? -num : num;
        if (places >= scale) {
            mag *= Pow10(places - scale);
        } else {
            const Big d = Pow10(scale - places);
            const Big rest = mag % d;
            mag = mag / d + (2 * rest >= d ? 1 : 0);
        }
        std::string s = Digits(mag);
        if (places > 0) {
            if (s.size() <= static_cast<std::size_t>(places)) s.insert(0, places + 1 - s.size(), '0');
            s.insert(s.size() - places, ",");
        }
        return (num < 0 && mag != 0) ? "-" + s : s;
    }

    std::string Shortest() const {
        std::string s = Fixed(scale);
        if (s.find(',') != std::string::npos) {
            while (s.back() == '0') s.pop_back();
            if (s.back() == ',') s.pop_back();
        }
        return s;
    }
};

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    Ref Value() {
        const int integerDigits = Between(0, 18);
        const int scale = Between(0, 8);
        Big num = 0;
        for (int i = 0; i < integerDigits + scale; ++i) num = num * 10 + Between(0, 9);
        return {Between(0, 1) ? -num : num, scale};
    }

    // One of the spellings the parser accepts for the value.
    std::string Text(const Ref& v) {
        const int exponent = Between(0, 2) == 0 ? Between(-4, 4) : 0;
        std::string digits = Digits(v.num < 0 ? -v.num : v.num);
        int commaFromRight = v.scale + exponent;
        if (commaFromRight < 0) digits.append(-commaFromRight, '0'), commaFromRight = 0;
        if (digits.size() <= static_cast<std::size_t>(commaFromRight))
            digits.insert(0, commaFromRight + 1 - digits.size(), '0');
        if (commaFromRight > 0) digits.insert(digits.size() - commaFromRight, ",");
        std::string text = std::string(Between(0, 2), ' ');
        text += v.num < 0 ? "-" : (Between(0, 3) == 0 ? "+" : "");
        text += digits;
        if (exponent != 0 || Between(0, 9) == 0) text += (Between(0, 1) ? "E" : "e") + std::to_string(exponent);
        return text;
    }

private:
    std::mt19937 rng_;
};

void ExpectSameTexts(const EuroDecimal& actual, const Ref& expected, const std::string& what) {
    for (int places : {0, 1, 2, 5})
        EXPECT_EQ(actual.ToFixed(places), expected.Fixed(places)) << what << " at " << places << " places";
    EXPECT_EQ(actual.ToShortest(), expected.Shortest()) << what;
}

}  // namespace

TEST(DecimalReference, ParseAddSubtractAndTextsMatchExactRationals) {
    Generator gen(20240611);
    for (int i = 0; i < 3000; ++i) {
        const Ref a = gen.Value(), b = gen.Value();
        const std::string textA = gen.Text(a), textB = gen.Text(b);
        const EuroDecimal x = EuroDecimal::Parse(textA), y = EuroDecimal::Parse(textB);
        ExpectSameTexts(x, a, "\"" + textA + "\"");
        for (const auto& [sum, name] : {std::pair{a.Plus(b), "+"}, std::pair{a.Plus(b.Negated()), "-"}}) {
            const std::string what = textA + " " + name + " " + textB;
            const auto compute = [&, adds = *name == '+'] { return adds ? x + y : x - y; };
            if (sum.Fits()) ExpectSameTexts(compute(), sum, what);
            else EXPECT_THROW(compute(), DecimalError) << what;
        }
    }
}
