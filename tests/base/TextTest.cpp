#include "base/Cp1251.h"
#include "base/MessageFormat.h"
#include "base/ShownText.h"
#include "base/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Text, CountsAndCutsCharactersNotBytes)
{
    EXPECT_EQ(Utf8Length("Книга"), 5u);
    EXPECT_EQ(Utf8Left("Книга", 3), "Кни");
    EXPECT_EQ(Utf8Left("ab", 5), "ab");
}

TEST(Utf8Text, TrimsControlCharactersAndBlanksOnly)
{
    EXPECT_EQ(Trim(" \t\r\n Мир \x01"), "Мир");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("a  b"), "a  b");
}

TEST(Utf8Text, FoldsLatinAndCyrillicCase)
{
    EXPECT_EQ(LowerCase("КОРОБКА Box Ёж"), "коробка box ёж");
    EXPECT_TRUE(SameTextIgnoreCase("Артикул ", "аРТИКУЛ "));
    EXPECT_FALSE(SameTextIgnoreCase("Артикул", "Артикул "));
}

TEST(Utf8Text, ReplacesInvalidSequences)
{
    EXPECT_EQ(ValidUtf8("a\xFF"
                        "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(ValidUtf8("\xD0"), "\xEF\xBF\xBD");
    EXPECT_EQ(ValidUtf8("ok"), "ok");
}

TEST(ShownText, EscapesControlCharactersAndBrokenBytesOnly)
{
    EXPECT_EQ(ShownText("Цена\t1\x1B[2J\xC2\x85конец"), "Цена\\x091\\x1B[2J\\x85конец");
    EXPECT_EQ(ShownText("a\xFF\xD0"), "a\\xFF\\xD0");
    EXPECT_EQ(ShownText("знак \xEF\xBF\xBD остаётся"), "знак \xEF\xBF\xBD остаётся");
    EXPECT_EQ(ShownText(""), "");
    EXPECT_EQ(ShownText("a\u200Fb\u202A\u202E\u2066\u2069\u200D\u202Fc"),
              "a\\u200Fb\\u202A\\u202E\\u2066\\u2069\u200D\u202Fc");
}

TEST(Cp1251, RoundTripsCyrillicAndRefusesWhatItCannotHold)
{
    const auto bytes = Utf8ToCp1251("Цена №1");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "\xD6\xE5\xED\xE0 \xB9"
                      "1");
    EXPECT_EQ(Cp1251ToUtf8(*bytes), "Цена №1");
    EXPECT_FALSE(Utf8ToCp1251("Ω").has_value());
}

TEST(Cp1251, EdgeFilesFallBackToUtf8WithAByteOrderMark)
{
    EXPECT_EQ(EncodeEdgeFile("Схема"), "\xD1\xF5\xE5\xEC\xE0");
    EXPECT_EQ(EncodeEdgeFile("Ω"), "\xEF\xBB\xBF"
                                   "Ω");
    EXPECT_EQ(DecodeEdgeFile("\xEF\xBB\xBF"
                             "Ω"),
              "Ω");
    EXPECT_EQ(DecodeEdgeFile("\xD1\xF5\xE5\xEC\xE0"), "Схема");
}

TEST(MessageFormat, FillsPlaceholdersInOrder)
{
    EXPECT_EQ(FormatMessage("Ошибка в строке %d. ", {"5"}), "Ошибка в строке 5. ");
    EXPECT_EQ(FormatMessage("'%s' и %s", {"a", "b"}), "'a' и b");
    EXPECT_EQ(FormatMessage("100%", {}), "100%");
}

TEST(MessageFormat, CountedNounTakesTheRussianForm)
{
    for (const auto& [count, form] : std::vector<std::pair<long long, std::string>>{{1, "строка"},
                                                                                    {21, "строка"},
                                                                                    {3, "строки"},
                                                                                    {703, "строки"},
                                                                                    {0, "строк"},
                                                                                    {12, "строк"},
                                                                                    {111, "строк"},
                                                                                    {25, "строк"}})
        EXPECT_EQ(CountedNoun(count, "строка|строки|строк"), form) << count;
}

} // namespace
