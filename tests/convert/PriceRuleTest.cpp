#include "convert/PriceRule.h"

#include "base/NumberText.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct PriceCase {
    const char* listPrice;
    const char* discount;
    const char* separator;
    const char* expected; // the general form with a comma
};

void PrintTo(const PriceCase& c, std::ostream* os)
{
    *os << CaseText(c.listPrice) << " less " << CaseText(c.discount) << " %, separator " << CaseText(c.separator);
}

class DiscountedPriceTest : public testing::TestWithParam<PriceCase> {};

TEST_P(DiscountedPriceTest, RoundsTheDecimalResultToKopecksHalfToEven)
{
    const PriceCase& c = GetParam();
    Regional regional;
    regional.decimalSeparator = c.separator;
    regional.thousandsSeparator = c.separator == std::string(".") ? "," : "\u00A0";
    EXPECT_EQ(FormatGeneralNumber(DiscountedPrice(c.listPrice, c.discount, regional), ","), c.expected)
        << c.listPrice << " less " << c.discount << " %";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiscountedPriceTest,
    testing::Values(
        // Halves that binary fractions would push below the half.
        PriceCase{"10,15", "50", ",", "5,08"}, PriceCase{"10,05", "50", ",", "5,02"}, PriceCase{"1,005", "0", ",", "1"},
        PriceCase{"1,015", "", ",", "1,02"}, PriceCase{"12,345", "0", ",", "12,34"},
        PriceCase{"12,355", "0", ",", "12,36"}, PriceCase{"0,005", "0", ",", "0"}, PriceCase{"0,015", "0", ",", "0,02"},
        PriceCase{"-1,005", "0", ",", "-1"}, PriceCase{"-1,015", "0", ",", "-1,02"},
        // Just above a half is no half.
        PriceCase{"0,0051", "0", ",", "0,01"}, PriceCase{"2,00500001", "0", ",", "2,01"},
        // Ordinary discounts.
        PriceCase{"99,99", "10", ",", "89,99"}, PriceCase{"100", "10", ",", "90"},
        PriceCase{"100", "33,333", ",", "66,67"}, PriceCase{"10", "150", ",", "-5"},
        PriceCase{"100", "-10", ",", "110"}, PriceCase{"2,5E2", "10", ",", "225"},
        PriceCase{"1E15", "50", ",", "500000000000000"}, PriceCase{"5,", ",5", ",", "4,98"},
        // A list price or discount that does not read as a number is 0.
        PriceCase{"", "10", ",", "0"}, PriceCase{"abc", "10", ",", "0"}, PriceCase{"10", "", ",", "10"},
        PriceCase{"10", "x", ",", "10"}, PriceCase{"1 00", "50", ",", "0"},
        // Blanks around, thousands in groups of three, and "." where the
        // thousands are not grouped with it.
        PriceCase{"1 000", "50", ",", "500"}, PriceCase{"10.15", "50", ",", "5,08"}, PriceCase{" 10 ", "0", ",", "10"},
        // A "," that groups thousands is no decimal separator.
        PriceCase{"10.15", "50", ".", "5,08"}, PriceCase{"10,15", "50", ".", "0"}));

} // namespace
