#include "app/common/SystemRegional.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Qt reads the user's locale once, on first use: set it before anything runs.
// ru_RU need not be installed in the C library for Qt to know it.
const bool kRussianUser = setenv("LC_ALL", "ru_RU.UTF-8", 1) == 0;

TEST(SystemRegionalTest, RussianUserGetsTheRussianProfile)
{
    ASSERT_TRUE(kRussianUser);
    const Regional regional = SystemRegional();
    EXPECT_EQ(regional.decimalSeparator, ",");
    EXPECT_EQ(regional.shortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(regional.longTimeFormat, "HH:mm:ss");
}

TEST(SystemRegionalTest, TheProfileReadsAndWritesTheRussianDateTime)
{
    const Regional regional = SystemRegional();
    const auto value = regional.ParseDateTime("5.3.2024 14:30");
    ASSERT_TRUE(value);
    EXPECT_EQ(regional.FormatDateTime(*value), "05.03.2024 14:30:00");
}

} // namespace
