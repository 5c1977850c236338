// SPDX-License-Identifier: GPL-3.0-or-later
// The exact decimal's texts, masks and errors for the amounts the game uses.
#include <gtest/gtest.h>

#include "support/decimal_mask.h"
#include "support/euro_decimal.h"

namespace {

std::string Fixed2(const char* text) {
    return EuroDecimal::Parse(text).ToFixed(2);
}

std::string Masked(const char* text, const char* mask) {
    return FormatWithMask(EuroDecimal::Parse(text), mask);
}

}  // namespace

TEST(EuroDecimal, ParsesTheGamesAmountTexts) {
    EXPECT_EQ(Fixed2("5"), "5,00");
    EXPECT_EQ(Fixed2("0,5"), "0,50");
    EXPECT_EQ(Fixed2("0,20"), "0,20");
    EXPECT_EQ(Fixed2("100,00"), "100,00");
    EXPECT_EQ(Fixed2("1234,5"), "1234,50");
    EXPECT_EQ(Fixed2("-3"), "-3,00");
    EXPECT_EQ(Fixed2("   +7,4"), "7,40");
    EXPECT_EQ(Fixed2("1,5E2"), "150,00");
    EXPECT_EQ(Fixed2("25e-1"), "2,50");
    EXPECT_EQ(Fixed2("5,"), "5,00");
    EXPECT_EQ(Fixed2(",5"), "0,50");
    EXPECT_EQ(Fixed2("100 "), "100,00");
    EXPECT_EQ(EuroDecimal::Parse("0").ToFixed(0), "0");
    EXPECT_EQ(EuroDecimal::Parse("12").ToFixed(0), "12");
}

TEST(EuroDecimal, ShortestTextDropsTrailingZerosAndBareComma) {
    EXPECT_EQ(EuroDecimal::Parse("2,50").ToShortest(), "2,5");
    EXPECT_EQ(EuroDecimal::Parse("3,00").ToShortest(), "3");
    EXPECT_EQ(EuroDecimal::Parse("-0,125").ToShortest(), "-0,125");
    EXPECT_EQ(EuroDecimal::Parse("-0").ToShortest(), "0");
    EXPECT_EQ(EuroDecimal::Parse("1E-18").ToShortest(), "0,000000000000000001");
}

TEST(EuroDecimal, RoundsHalfAwayFromZeroAtTheLastKeptPlace) {
    EXPECT_EQ(Fixed2("0,005"), "0,01");
    EXPECT_EQ(Fixed2("-0,005"), "-0,01");
    EXPECT_EQ(Fixed2("0,00499999"), "0,00");
    EXPECT_EQ(Fixed2("-0,004"), "0,00");  // no sign on a zero
    EXPECT_EQ(Fixed2("2,675"), "2,68");
    EXPECT_EQ(Fixed2("999,995"), "1000,00");
    EXPECT_EQ(EuroDecimal::Parse("2,5").ToFixed(0), "3");
    EXPECT_EQ(EuroDecimal::Parse("-2,5").ToFixed(0), "-3");
    // Digits beyond 18 places round when parsed.
    EXPECT_EQ(EuroDecimal::Parse("0,0000000000000000005").ToShortest(), "0,000000000000000001");
    EXPECT_EQ(EuroDecimal::Parse("0,0000000000000000004").ToShortest(), "0");
    EXPECT_EQ(EuroDecimal::Parse("1E-400000000000").ToShortest(), "0");
}

TEST(EuroDecimal, ArithmeticStaysExactWhereBinaryFractionsWouldDrift) {
    EuroDecimal credit;
    const EuroDecimal stake = EuroDecimal::Parse("0,20");
    for (int i = 0; i < 1000; ++i) credit += stake;
    EXPECT_EQ(credit.ToFixed(2), "200,00");
    EXPECT_EQ((EuroDecimal::Parse("0,1") + EuroDecimal::Parse("0,2")).ToShortest(), "0,3");
    EXPECT_EQ((EuroDecimal::Parse("5") - EuroDecimal::Parse("7,40")).Sign(), -1);
    EXPECT_EQ((EuroDecimal::Parse("5") - EuroDecimal::Parse("5,00")).Sign(), 0);
    EXPECT_EQ(EuroDecimal::FromInteger(-42).ToFixed(2), "-42,00");
}

TEST(EuroDecimal, TextThatIsNotANumberIsAnErrorNamingTheText) {
    for (const char* bad : {"", "   ", "abc", "1,2,3", "1.5", "5 5", "--5", "+", ",", "-,", "1E", "E5", "1e+",
                            "0x10", "5€", "1,5E2x", "1 000", "\t"}) {
        EXPECT_FALSE(EuroDecimal::TryParse(bad)) << '"' << bad << '"';
        try {
            EuroDecimal::Parse(bad);
            ADD_FAILURE() << "parsed \"" << bad << '"';
        } catch (const DecimalError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("\"") + bad + "\""), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(EuroDecimal::TryParse(std::string_view("5\0", 2)));
}

TEST(EuroDecimal, MoreThanEighteenIntegerDigitsIsAnErrorNotAWraparound) {
    const EuroDecimal largest = EuroDecimal::Parse("999999999999999999,999999999999999999");
    EXPECT_EQ(largest.ToFixed(0), "1000000000000000000");  // rounding may show a 19th digit
    EXPECT_TRUE(EuroDecimal::TryParse("-999999999999999999"));
    EXPECT_FALSE(EuroDecimal::TryParse("1000000000000000000"));
    EXPECT_FALSE(EuroDecimal::TryParse("1E18"));
    EXPECT_FALSE(EuroDecimal::TryParse("999999999999999999,9999999999999999999"));
    EXPECT_FALSE(EuroDecimal::TryParse("1E999999999999999999999"));
    EXPECT_TRUE(EuroDecimal::TryParse("0000000000000000000000000001"));
    const EuroDecimal tiny = EuroDecimal::Parse("1E-18");
    EXPECT_THROW(largest + tiny, DecimalError);
    EXPECT_THROW(-largest - tiny, DecimalError);
    EXPECT_THROW(EuroDecimal::FromInteger(1'000'000'000'000'000'000), DecimalError);
    EXPECT_THROW(largest.ToFixed(19), DecimalError);
}

TEST(DecimalMask, MoneyMasksShowForcedPlacesAndAllIntegerDigits) {
    EXPECT_EQ(Masked("25", "########0,00"), "25,00");
    EXPECT_EQ(Masked("0", "########0,00"), "0,00");
    EXPECT_EQ(Masked("0,5", "########0,00"), "0,50");
    EXPECT_EQ(Masked("-3", "########0,00"), "-3,00");
    EXPECT_EQ(Masked("0,005", "########0,00"), "0,01");
    EXPECT_EQ(Masked("-0,004", "########0,00"), "0,00");
    EXPECT_EQ(Masked("123456789012,345", "########0,00"), "123456789012,35");
    EXPECT_EQ(Masked("0", "########0,0"), "0,0");
    EXPECT_EQ(Masked("7,45", "########0,0"), "7,5");
    EXPECT_EQ(Masked("25", "########0,0"), "25,0");
}

TEST(DecimalMask, CountMaskForcesOneDigit) {
    // One '0', one forced digit: the special-games display shows 0, not 00.
    EXPECT_EQ(Masked("0", "########0#"), "0");
    EXPECT_EQ(Masked("5", "########0#"), "5");
    EXPECT_EQ(Masked("7", "00#"), "07");
    EXPECT_EQ(Masked("12", "########0#"), "12");
    EXPECT_EQ(Masked("12345678901", "########0#"), "12345678901");
}

TEST(DecimalMask, OptionalPlacesAndDigitsDisappearWhenZero) {
    EXPECT_EQ(Masked("2", "0,0#"), "2,0");
    EXPECT_EQ(Masked("2,5", "0,0#"), "2,5");
    EXPECT_EQ(Masked("2,505", "0,0#"), "2,51");
    EXPECT_EQ(Masked("2", "#,##"), "2");
    EXPECT_EQ(Masked("0,5", "#,##"), ",5");
    EXPECT_EQ(Masked("3,7", "0"), "4");
}

TEST(DecimalMask, RejectsMasksItCannotRead) {
    for (const char* bad : {"0.00", "0,0,0", "#.##0", "0,00 €", "0,0000000000000000000"})
        EXPECT_THROW(Masked("1", bad), DecimalError) << bad;
}
