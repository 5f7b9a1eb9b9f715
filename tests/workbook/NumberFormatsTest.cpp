#include "workbook/NumberFormats.h"

#include "base/NumberText.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <random>

namespace {

struct NumberCase {
    double value;
    NumberStyle style;
    bool date1904;
    const char* text;
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    const char* style = c.style == NumberStyle::Date ? "date" : c.style == NumberStyle::TimeOnly ? "time" : "number";
    *os << std::setprecision(17) << c.value << " as " << style << (c.date1904 ? " of 1904" : "");
}

class NumberCellTextTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberCellTextTest, GivesTheCellText)
{
    const NumberCase& c = GetParam();
    EXPECT_EQ(NumberCellText(c.value, c.style, c.date1904, Regional::Russian()), c.text)
        << c.value << (c.date1904 ? " (1904)" : "");
}

constexpr NumberStyle kPlain = NumberStyle::Plain;
constexpr NumberStyle kDate = NumberStyle::Date;
constexpr NumberStyle kTime = NumberStyle::TimeOnly;

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberCellTextTest,
    testing::Values(NumberCase{0, kPlain, false, "0"}, NumberCase{-12.34, kPlain, false, "-12,34"},
                    NumberCase{99.98999999999999, kPlain, false, "99,99"},
                    NumberCase{0.1000000000000000055, kPlain, false, "0,1"}, NumberCase{1e15, kPlain, false, "1E15"},
                    NumberCase{999999999999999.9, kPlain, false, "1E15"}, NumberCase{1.5e-6, kPlain, false, "1,5E-6"},
                    NumberCase{-2.5e20, kPlain, false, "-2,5E20"}, NumberCase{0.00001, kPlain, false, "0,00001"},
                    NumberCase{std::numeric_limits<double>::quiet_NaN(), kPlain, false, "#NUM!"},
                    NumberCase{std::numeric_limits<double>::quiet_NaN(), kDate, false, "#NUM!"}));

INSTANTIATE_TEST_SUITE_P(
    Dates1900, NumberCellTextTest,
    testing::Values(NumberCase{1, kDate, false, "01.01.1900"}, NumberCase{59, kDate, false, "28.02.1900"},
                    NumberCase{60, kDate, false, "28.02.1900"}, NumberCase{61, kDate, false, "01.03.1900"},
                    NumberCase{44927, kDate, false, "01.01.2023"},
                    NumberCase{44927.5, kDate, false, "01.01.2023 12:00:00"},
                    NumberCase{44927.99999999, kDate, false, "02.01.2023"},
                    NumberCase{44927 + 1.4 / 86400, kDate, false, "01.01.2023 00:00:01"},
                    NumberCase{45356 + 50028.4999998 / 86400, kDate, false, "05.03.2024 13:53:48"},
                    NumberCase{50028.5 / 86400, kTime, false, "13:53:49"}, NumberCase{0, kDate, false, "00:00:00"},
                    NumberCase{0.5, kDate, false, "12:00:00"}, NumberCase{0.5, kTime, false, "12:00:00"},
                    NumberCase{1.5, kTime, false, "01.01.1900 12:00:00"}, NumberCase{-1, kDate, false, "-1"},
                    NumberCase{-0.5, kTime, false, "-0,5"}, NumberCase{2958465.5, kDate, false, "31.12.9999 12:00:00"},
                    NumberCase{2958466, kDate, false, "2958466"}));

INSTANTIATE_TEST_SUITE_P(
    Dates1904, NumberCellTextTest,
    testing::Values(NumberCase{0, kDate, true, "01.01.1904"}, NumberCase{1, kDate, true, "02.01.1904"},
                    NumberCase{0.25, kTime, true, "06:00:00"}, NumberCase{0.25, kDate, true, "01.01.1904 06:00:00"},
                    NumberCase{43554, kDate, true, "31.03.2023"}, NumberCase{-1, kDate, true, "-1"},
                    NumberCase{2957004, kDate, true, "2957004"}));

struct FormatCodeCase {
    const char* code;
    NumberStyle style;
};

void PrintTo(const FormatCodeCase& c, std::ostream* os)
{
    *os << CaseText(c.code);
}

class FormatCodeTest : public testing::TestWithParam<FormatCodeCase> {};

TEST_P(FormatCodeTest, TellsDatesTimesAndNumbersApart)
{
    EXPECT_EQ(StyleOfFormatCode(GetParam().code), GetParam().style) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Codes, FormatCodeTest,
                         testing::Values(FormatCodeCase{"dd.mm.yyyy", kDate}, FormatCodeCase{"d/m/yy h:mm", kDate},
                                         FormatCodeCase{"[$-419]mmmm yyyy", kDate}, FormatCodeCase{"YYYY-MM-DD", kDate},
                                         FormatCodeCase{"h:mm:ss", kTime}, FormatCodeCase{"[h]:mm", kTime},
                                         FormatCodeCase{"[mm]:ss", kTime}, FormatCodeCase{"[ss]", kTime},
                                         FormatCodeCase{"h:mm AM/PM", kTime}, FormatCodeCase{"General", kPlain},
                                         FormatCodeCase{"0.00E+00", kPlain},
                                         FormatCodeCase{"#,##0.00 \"руб.\"", kPlain},
                                         FormatCodeCase{"\"days\" 0", kPlain}, FormatCodeCase{"0\\d", kPlain},
                                         FormatCodeCase{"_-* #,##0_-;-* #,##0_-;_-* \"-\"_-;_-@_-", kPlain},
                                         FormatCodeCase{"*s0", kPlain}, FormatCodeCase{"[Red][<=100]0;[Blue]0", kPlain},
                                         FormatCodeCase{"[$$-409]#,##0.00", kPlain}, FormatCodeCase{"0%", kPlain},
                                         FormatCodeCase{"", kPlain}));

TEST(BuiltinFormats, AreDatesFrom14To22And45To47)
{
    for (int id = 0; id < 200; ++id) {
        const bool date = (id >= 14 && id <= 22) || (id >= 45 && id <= 47);
        EXPECT_EQ(IsBuiltinDateFormat(id), date) << id;
        EXPECT_EQ(StyleOfBuiltinFormat(id) != NumberStyle::Plain, date) << id;
    }
    EXPECT_EQ(StyleOfBuiltinFormat(14), kDate);
    EXPECT_EQ(StyleOfBuiltinFormat(22), kDate);
    EXPECT_EQ(StyleOfBuiltinFormat(18), kTime);
    EXPECT_EQ(StyleOfBuiltinFormat(46), kTime);
}

TEST(DateTimeCellText, GivesTheTimeAloneOnTheFirstDay)
{
    EXPECT_EQ(DateTimeCellText(0.75, Regional::Russian()), "18:00:00");
    EXPECT_EQ(DateTimeCellText(1.75, Regional::Russian()), "31.12.1899 18:00:00");
    EXPECT_EQ(DateTimeCellText(43845, Regional::Russian()), "15.01.2020");
    // Outside the dates a spreadsheet shows: the number.
    EXPECT_EQ(DateTimeCellText(-1, Regional::Russian()), "-1");
    EXPECT_EQ(DateTimeCellText(2958465 + (86400 - 0.0001) / 86400, Regional::Russian()), "2958466");
}

} // namespace
