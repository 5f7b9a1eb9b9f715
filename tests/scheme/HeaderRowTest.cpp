#include "scheme/HeaderRow.h"
#include "scheme/SupplierHeader.h"

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

// The supplier layout: the header row and the rows under it give every
// column, named where the header is silent, and where the data start.
struct SupplierCase {
    const char* name;
    std::vector<Names> rows; // the header row (5) first
    Names columnNames;
    int firstDataRow;
    std::vector<CellRange> merged = {};
};

void PrintTo(const SupplierCase& c, std::ostream* os)
{
    *os << c.name;
}

class SupplierNames : public testing::TestWithParam<SupplierCase> {};

TEST_P(SupplierNames, NameEveryColumnAndFindTheData)
{
    const SupplierHeader header = SupplierColumns(GetParam().rows, 5, GetParam().merged);
    EXPECT_EQ(header.columnNames, GetParam().columnNames);
    EXPECT_EQ(header.firstDataRow, GetParam().firstDataRow);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SupplierNames,
    testing::Values(SupplierCase{"emptyColumnA", {{"", "Код", "Цена"}, {"", "KD-1", "10"}}, {"[A]", "Код", "Цена"}, 6},
                    SupplierCase{
                        "dataPastTheHeader", {{"Код"}, {"KD-1", "шт", "", "10"}}, {"Код", "[B]", "[C]", "[D]"}, 6},
                    SupplierCase{"secondHeaderRow",
                                 {{"Код", "Цена", ""}, {"", "опт", "розн"}, {"KD-1", "10", "12"}},
                                 {"Код", "Цена опт", "розн"},
                                 7},
                    SupplierCase{"mergedHeaderNamesEveryColumn",
                                 {{"Код", "Цена"}, {"K-1", "10", "12"}},
                                 {"Код", "Цена", "Цена [C]"},
                                 6,
                                 {{5, 2, 5, 3}}},
                    SupplierCase{"mergedHeaderOverASecondRow",
                                 {{"Код", "Цена"}, {"", "опт", "розн"}, {"K-1", "10", "12"}},
                                 {"Код", "Цена опт", "Цена розн"},
                                 7,
                                 {{5, 1, 6, 1}, {5, 2, 5, 3}}},
                    SupplierCase{"numbersUnderTheHeaderAreData", {{"Код", ""}, {"KD-1", "10"}}, {"Код", "[B]"}, 6},
                    SupplierCase{"lateColumnNamed",
                                 {{"Код", "", "", ""}, {}, {"", "", "", "", "", "", "", "", "x"}},
                                 {"Код", "[B]", "[C]", "[D]", "[E]", "[F]", "[G]", "[H]", "[I]"},
                                 6}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
