#include "scheme/HeaderRow.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// A sheet whose row 1 holds the given texts from column 1 and whose row 2
// holds data that must never be taken for a column name.
class HeaderSheet : public Workbook {
public:
    explicit HeaderSheet(Names header) : header_(std::move(header)) {}

    std::string CellText(int row, int column) const override
    {
        if (row == 2) return "данные";
        if (row != 1 || column < 1 || column > static_cast<int>(header_.size())) return "";
        return header_[static_cast<std::size_t>(column - 1)];
    }
    int LastRow() const override { return 2; }
    int LastColumn(int) const override { return static_cast<int>(header_.size()); }

private:
    Names header_;
};

struct HeaderCase {
    const char* name;
    Names cells;
    Names columnNames;
};

class ColumnNames : public testing::TestWithParam<HeaderCase> {};

TEST_P(ColumnNames, AreTheTrimmedHeaderCellsUpToTheFirstEmptyOne)
{
    EXPECT_EQ(ReadColumnNames(HeaderSheet(GetParam().cells)), GetParam().columnNames);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColumnNames, testing::Values(
    HeaderCase{"plain", {"Код", "ISBN", "Название"}, {"Код", "ISBN", "Название"}},
    HeaderCase{"emptyRow", {}, {}},
    HeaderCase{"firstCellEmpty", {"", "Код", "ISBN"}, {}},
    HeaderCase{"stopsAtFirstEmptyCell", {"Код", "", "ISBN"}, {"Код"}},
    HeaderCase{"cellOfBlanksGoesOn", {"Код", "   ", "ISBN"}, {"Код", "", "ISBN"}},
    HeaderCase{"trimmed", {"  Код  ", "\tISBN\r\n"}, {"Код", "ISBN"}},
    HeaderCase{"innerBlanksKept", {"Цена  без НДС"}, {"Цена  без НДС"}},
    HeaderCase{"lineBreakInsideCell", {"Цена\nбез НДС", "a\r\nb", "c\rd"}, {"Цена без НДС", "a  b", "c d"}},
    HeaderCase{"duplicatesKept", {"Код", "код"}, {"Код", "код"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
