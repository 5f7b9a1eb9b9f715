#include "scheme/SchemeLine.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(SchemeLine, ProgramMadeLineIsCaptionBlankEqualsBlankColumn)
{
    EXPECT_EQ(SchemeLineFor("Артикул", "Код"), "Артикул = Код");
    EXPECT_EQ(SchemeNamePart("Артикул = Код"), "Артикул ");
    EXPECT_EQ(SchemeValuePart("Артикул = Код"), " Код");
}

struct PartsCase {
    const char* line;
    const char* namePart;
    std::optional<std::string> valuePart;
};

static void PrintTo(const PartsCase& c, std::ostream* os)
{
    *os << CaseText(c.line);
}

class SchemeLineParts : public testing::TestWithParam<PartsCase> {};

TEST_P(SchemeLineParts, SplitAtTheFirstEqualsSign)
{
    const PartsCase& c = GetParam();
    EXPECT_EQ(SchemeNamePart(c.line), c.namePart);
    EXPECT_EQ(SchemeValuePart(c.line), c.valuePart);
}

INSTANTIATE_TEST_SUITE_P(Lines, SchemeLineParts,
                         testing::Values(PartsCase{"Цена = a=b", "Цена ", " a=b"}, PartsCase{"Цена =", "Цена ", ""},
                                         PartsCase{"=X", "", "X"}, PartsCase{"Цена", "Цена", std::nullopt},
                                         PartsCase{"", "", std::nullopt}));

struct FindCase {
    const char* name;
    SchemeLines lines;
    const char* caption;
    int expected;
};

static void PrintTo(const FindCase& c, std::ostream* os)
{
    *os << c.name;
}

class FindSchemeLineCase : public testing::TestWithParam<FindCase> {};

TEST_P(FindSchemeLineCase, MatchesCaptionAndOneBlank)
{
    EXPECT_EQ(FindSchemeLine(GetParam().lines, GetParam().caption), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, FindSchemeLineCase,
                         testing::Values(FindCase{"exact", {"ISBN = A", "Артикул = B"}, "Артикул", 1},
                                         FindCase{"firstOfTwo", {"Артикул = A", "Артикул = B"}, "Артикул", 0},
                                         FindCase{"otherLatinCase", {"isbn = A"}, "ISBN", 0},
                                         FindCase{"otherCyrillicCase", {"АРТИКУЛ = A"}, "Артикул", 0},
                                         FindCase{"yoCase", {"ЁЛКА = A"}, "ёлка", 0},
                                         FindCase{"noBlankBeforeEquals", {"Артикул= A"}, "Артикул", -1},
                                         FindCase{"noBlanksAtAll", {"Артикул=A"}, "Артикул", -1},
                                         FindCase{"twoBlanks", {"Артикул  = A"}, "Артикул", -1},
                                         FindCase{"leadingBlank", {" Артикул = A"}, "Артикул", -1},
                                         FindCase{"noEqualsSign", {"Артикул "}, "Артикул", -1},
                                         FindCase{"longerCaption", {"Артикул товара = A"}, "Артикул", -1},
                                         FindCase{"emptyScheme", {}, "Артикул", -1},
                                         FindCase{"emptyLines", {"", ""}, "Артикул", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DropCase {
    const char* name;
    SchemeLines before;
    const char* caption;
    const char* column;
    SchemeLines after;
};

static void PrintTo(const DropCase& c, std::ostream* os)
{
    *os << c.name;
}

class DropColumn : public testing::TestWithParam<DropCase> {};

TEST_P(DropColumn, ReplacesInPlaceOrAppends)
{
    SchemeLines lines = GetParam().before;
    DropColumnOnField(lines, GetParam().caption, GetParam().column);
    EXPECT_EQ(lines, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, DropColumn,
    testing::Values(
        DropCase{"intoEmpty", {}, "Артикул", "Код", {"Артикул = Код"}},
        DropCase{"appendAtEnd", {"ISBN = A"}, "Артикул", "Код", {"ISBN = A", "Артикул = Код"}},
        DropCase{"replaceInPlace", {"Артикул = Старый", "ISBN = A"}, "Артикул", "Код", {"Артикул = Код", "ISBN = A"}},
        DropCase{
            "replaceLineInOtherCase", {"ISBN = A", "артикул = x"}, "Артикул", "Код", {"ISBN = A", "Артикул = Код"}},
        DropCase{
            "replaceOnlyTheFirst", {"Артикул = 1", "Артикул = 2"}, "Артикул", "Код", {"Артикул = Код", "Артикул = 2"}},
        DropCase{"sameColumnOnTwoFields", {"ISBN = Код"}, "Артикул", "Код", {"ISBN = Код", "Артикул = Код"}},
        DropCase{"lineWithoutEqualsIsNotReplaced", {"Артикул "}, "Артикул", "Код", {"Артикул ", "Артикул = Код"}},
        DropCase{"columnNameWithEquals", {}, "Цена", "a=b", {"Цена = a=b"}}),
    [](const auto& info) { return std::string(info.param.name); });
