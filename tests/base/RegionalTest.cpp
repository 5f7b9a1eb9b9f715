#include "base/DateTime.h"
#include "base/DateTimeFault.h"
#include "base/Regional.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

double At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    CivilDateTime v;
    v.year = y;
    v.month = mo;
    v.day = d;
    v.hour = h;
    v.minute = mi;
    v.second = s;
    return EncodeDateTime(v);
}

TEST(DateTime, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(At(1899, 12, 30), 0.0);
    EXPECT_EQ(At(1900, 3, 1), 61.0);
    EXPECT_EQ(At(2024, 3, 5), 45356.0);
    const CivilDateTime back = DecodeDateTime(At(2024, 3, 5, 14, 30, 59));
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.month, 3);
    EXPECT_EQ(back.day, 5);
    EXPECT_EQ(back.hour, 14);
    EXPECT_EQ(back.minute, 30);
    EXPECT_EQ(back.second, 59);
}

TEST(Regional, FormatsTheRussianProfile)
{
    const Regional ru;
    EXPECT_EQ(ru.FormatDateTime(At(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(ru.FormatDateTime(At(2024, 3, 5, 14, 30)), "05.03.2024 14:30:00");
    EXPECT_EQ(ru.FormatTime(At(1899, 12, 30, 7, 5, 3)), "07:05:03");
    // Rounded to the nearest second before formatting.
    EXPECT_EQ(ru.FormatDateTime(At(2024, 3, 5, 23, 59, 59) + 0.6 / 86400), "06.03.2024");
    EXPECT_EQ(ru.FormatNumber(12.5L), "12,5");
}

TEST(Regional, FormatsOtherPatterns)
{
    Regional us;
    us.decimalSeparator = ".";
    us.shortDateFormat = "M/d/yy";
    us.longTimeFormat = "h:mm:ss AP t";
    EXPECT_EQ(us.FormatDateTime(At(2024, 3, 5, 14, 30)), "3/5/24 2:30:00 PM");
    EXPECT_EQ(us.FormatNumber(12.5L), "12.5");
}

TEST(Regional, ReadsBackTwelveHourTimes)
{
    Regional us;
    us.shortDateFormat = "M/d/yyyy";
    us.longTimeFormat = "h:mm:ss AP";
    for (const double value : {At(2024, 3, 5, 14, 30), At(2024, 3, 5, 0, 15), At(2024, 3, 5, 12, 0, 1)}) {
        const auto parsed = us.ParseDateTime(us.FormatDateTime(value));
        ASSERT_TRUE(parsed.has_value()) << us.FormatDateTime(value);
        EXPECT_NEAR(*parsed, value, 1e-9) << us.FormatDateTime(value);
    }
    EXPECT_FALSE(us.ParseDateTime("3/5/2024 13:30 PM").has_value());
    EXPECT_FALSE(us.ParseDateTime("3/5/2024 1:30 XM").has_value());
}

struct DateCase {
    const char* text;
    bool valid;
    double value;
};

void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << CaseText(c.text);
}

class SentDateParse : public ::testing::TestWithParam<DateCase> {};

TEST_P(SentDateParse, AcceptsTheShortDateWithAnOptionalTime)
{
    const Regional ru;
    const auto parsed = ru.ParseDateTime(GetParam().text);
    ASSERT_EQ(parsed.has_value(), GetParam().valid) << GetParam().text;
    if (parsed) {
        EXPECT_NEAR(*parsed, GetParam().value, 1e-9) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SentDateParse,
                         ::testing::Values(DateCase{"05.03.2024", true, At(2024, 3, 5)},
                                           DateCase{"5.3.2024", true, At(2024, 3, 5)},
                                           DateCase{"  05.03.2024  ", true, At(2024, 3, 5)},
                                           DateCase{"05.03.2024 14:30", true, At(2024, 3, 5, 14, 30)},
                                           DateCase{"05.03.2024 14:30:59", true, At(2024, 3, 5, 14, 30, 59)},
                                           DateCase{"30.12.1899", true, 0}, DateCase{"", false, 0},
                                           DateCase{"завтра", false, 0}, DateCase{"31.02.2024", false, 0},
                                           DateCase{"05.03.24", false, 0}, DateCase{"05/03/2024", false, 0},
                                           DateCase{"05.03.2024 25:00", false, 0}, DateCase{"05.03.2024 14", false, 0},
                                           DateCase{"05.03.2024T14:30", false, 0}));

TEST(SentDateParse, NamesTheTextItCannotRead)
{
    const Regional ru;
    try {
        ru.ParseDateTimeOrThrow("32.13.2024");
        FAIL() << "no error";
    } catch (const DateTimeFault& fault) {
        EXPECT_EQ(fault.text, "32.13.2024");
    }
}

TEST(Regional, ActiveProfileFollowsTheScope)
{
    Regional dot;
    dot.decimalSeparator = ".";
    EXPECT_EQ(ActiveRegional().decimalSeparator, ",");
    {
        RegionalScope scope(dot);
        EXPECT_EQ(ActiveRegional().decimalSeparator, ".");
    }
    EXPECT_EQ(ActiveRegional().decimalSeparator, ",");
}

} // namespace
