#include "scheme/HeaderRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

struct HeaderCase {
    const char* name;
    Names cells;
    Names columnNames;
};

void PrintTo(const HeaderCase& c, std::ostream* os)
{
    *os << c.name;
}

class HeaderNames : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderNames, AreTheTrimmedHeaderCellsUpToTheFirstEmptyOne)
{
    EXPECT_EQ(ColumnNames(GetParam().cells), GetParam().columnNames);
}

INSTANTIATE_TEST_SUITE_P(Rows, HeaderNames,
                         testing::Values(HeaderCase{"plain", {"Код", "ISBN", "Название"}, {"Код", "ISBN", "Название"}},
                                         HeaderCase{"emptyRow", {}, {}},
                                         HeaderCase{"firstCellEmpty", {"", "Код", "ISBN"}, {}},
                                         HeaderCase{"stopsAtFirstEmptyCell", {"Код", "", "ISBN"}, {"Код"}},
                                         HeaderCase{"cellOfBlanksGoesOn", {"Код", "   ", "ISBN"}, {"Код", "", "ISBN"}},
                                         HeaderCase{"trimmed", {"  Код  ", "\tISBN\r\n"}, {"Код", "ISBN"}},
                                         HeaderCase{"innerBlanksKept", {"Цена  без НДС"}, {"Цена  без НДС"}},
                                         HeaderCase{"lineBreakInsideCell",
                                                    {"Цена\nбез НДС", "a\r\nb", "c\rd"},
                                                    {"Цена без НДС", "a  b", "c d"}},
                                         HeaderCase{"duplicatesKept", {"Код", "код"}, {"Код", "код"}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
