#include "base/NumberText.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>

namespace {

struct FormatCase {
    long double value;
    const char* text;
};

// The value too: two values round to the same text.
void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << std::setprecision(17) << c.value << " as " << CaseText(c.text);
}

class GeneralNumberFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralNumberFormat, UsesFifteenSignificantDigitsAndTheSeparator)
{
    EXPECT_EQ(FormatGeneralNumber(GetParam().value, ","), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralNumberFormat,
    ::testing::Values(FormatCase{0, "0"}, FormatCase{10, "10"}, FormatCase{12.5L, "12,5"}, FormatCase{-5, "-5"},
                      FormatCase{150.75L, "150,75"}, FormatCase{99.98999999999999, "99,99"},
                      FormatCase{0.1000000000000000055, "0,1"}, FormatCase{1e15L, "1E15"},
                      FormatCase{999999999999999.0L, "999999999999999"}, FormatCase{999999999999999.9L, "1E15"},
                      FormatCase{0.00001L, "0,00001"}, FormatCase{0.0000015L, "1,5E-6"},
                      FormatCase{-2.5e20L, "-2,5E20"}, FormatCase{123456789012345678.0L, "1,23456789012346E17"},
                      FormatCase{0.5L, "0,5"}, FormatCase{1000000000000005.0L, "1,00000000000001E15"}));

struct ParseCase {
    const char* text;
    std::optional<long double> value; // nothing: not a number
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << CaseText(c.text);
}

class CellNumberParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CellNumberParse, ReadsOnlyPlainNumbersWithTheRegionalSeparator)
{
    EXPECT_EQ(ReadCellNumber(GetParam().text, ",", "\u00A0"), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, CellNumberParse,
                         ::testing::Values(ParseCase{"", 0}, ParseCase{"12", 12}, ParseCase{"-12,5", -12.5L},
                                           ParseCase{"+3", 3}, ParseCase{"5,", 5}, ParseCase{",5", 0.5L},
                                           ParseCase{"1E15", 1e15L}, ParseCase{"1,5E-6", 1.5e-6L},
                                           // Both separators are decimal ones where neither groups thousands.
                                           ParseCase{"12.5", 12.5L}, ParseCase{"-.5", -0.5L},
                                           // Blanks around a number are no part of it.
                                           ParseCase{" 12", 12}, ParseCase{"100 ", 100},
                                           ParseCase{"\t\u00A012,5\u202F ", 12.5L}, ParseCase{"   ", 0},
                                           // Thousands only in groups of three, after a first group of one to three.
                                           ParseCase{"1 000", 1000}, ParseCase{"1\u00A0234,5", 1234.5L},
                                           ParseCase{"12'345'678", 12345678}, ParseCase{"12 5", std::nullopt},
                                           ParseCase{"1 2345", std::nullopt}, ParseCase{"1234 567", std::nullopt},
                                           ParseCase{"1,2.3", std::nullopt}, ParseCase{"abc", std::nullopt},
                                           ParseCase{",", std::nullopt}, ParseCase{"1E", std::nullopt},
                                           ParseCase{"1E99999", std::nullopt}, ParseCase{"-", std::nullopt}));

struct UnitCase {
    const char* text;
    NumberUnit unit;
    const char* number;
    const char* currency;
    const char* code = ""; // the currency's
};

class UnitsBesideNumbers : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitsBesideNumbers, AreTakenOffAsSuppliersWriteThem)
{
    std::string_view currency;
    EXPECT_EQ(WithoutUnits(GetParam().text, GetParam().unit, &currency), GetParam().number);
    EXPECT_EQ(currency, GetParam().currency);
    EXPECT_EQ(CurrencyCode(currency), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitsBesideNumbers,
    ::testing::Values(
        UnitCase{"1 234,50 руб.", NumberUnit::None, "1 234,50", "руб.", "RUB"},
        UnitCase{"350 р.", NumberUnit::None, "350", "р.", "RUB"}, UnitCase{"$12", NumberUnit::None, "12", "$", "USD"},
        UnitCase{" 7,02\u00A0UAH ", NumberUnit::None, "7,02", "UAH", "UAH"},
        // One currency's spellings, before or after, with or without a blank, in any case.
        UnitCase{"100р.", NumberUnit::None, "100", "р.", "RUB"},
        UnitCase{"₽100", NumberUnit::None, "100", "₽", "RUB"},
        UnitCase{"1 234,5 Руб", NumberUnit::None, "1 234,5", "Руб", "RUB"},
        UnitCase{"100 Р", NumberUnit::None, "100", "Р", "RUB"}, UnitCase{"rub 5", NumberUnit::None, "5", "rub", "RUB"},
        UnitCase{"5 грн", NumberUnit::None, "5", "грн", "UAH"}, UnitCase{"€ 3", NumberUnit::None, "3", "€", "EUR"},
        UnitCase{"10%", NumberUnit::Percent, "10", ""}, UnitCase{"5 шт", NumberUnit::Pieces, "5", ""},
        UnitCase{"300 экз.", NumberUnit::Pieces, "300", ""},
        // A unit the field does not take stays, and the text does not read.
        UnitCase{"10%", NumberUnit::None, "10%", ""}, UnitCase{"2 уп.", NumberUnit::Pieces, "2 уп.", ""},
        UnitCase{"RUB", NumberUnit::None, "RUB", ""}));

TEST(CellNumberParse, TheThousandsSeparatorIsNoDecimalSeparator)
{
    EXPECT_EQ(ReadCellNumber("12,5", ".", ","), std::nullopt);
    EXPECT_EQ(ReadCellNumber("12.5", ".", ","), 12.5L);
}

TEST(CellNumberParse, ReadsBackItsOwnTexts)
{
    for (long double value : {99.99L, 1e15L, -2.5e20L, 1.5e-6L, 150.75L})
        EXPECT_NEAR(static_cast<double>(ParseCellNumber(FormatGeneralNumber(value, ","), ",", "")),
                    static_cast<double>(value), std::fabs(static_cast<double>(value)) * 1e-14);
}

TEST(GeneralNumberFormat, FastRouteAgreesWithTheExactExpansion)
{
    // Doubles read from workbooks and long doubles parsed from texts, short or
    // long in digits, tiny or huge.
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-25, 25);
    std::uniform_int_distribution<int> decimals(0, 17);
    for (int i = 0; i < 100000; ++i) {
        double value = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 2) {
            const double scale = std::pow(10.0, decimals(random));
            value = std::round(value * scale) / scale;
        }
        ASSERT_EQ(FormatGeneralNumber(value, ","), FormatGeneralNumberExactly(value, ",")) << std::hexfloat << value;
        const long double parsed = ParseCellNumber(FormatGeneralNumber(value, ","), ",", "");
        ASSERT_EQ(FormatGeneralNumber(parsed, ","), FormatGeneralNumberExactly(parsed, ",")) << std::hexfloat << parsed;
    }
    for (const long double value : {1e15L, 999999999999999.0L, 999999999999999.4L, 1e-5L, 9.99999999999999e-6L,
                                    0.1L + 0.2L, 5e-324L, 1.7976931348623157e308L, 123456789012345678.0L, 1e21L,
                                    static_cast<long double>(0.1 + 0.2), static_cast<long double>(5e-324)})
        EXPECT_EQ(FormatGeneralNumber(value, ","), FormatGeneralNumberExactly(value, ",")) << value;
}

} // namespace
