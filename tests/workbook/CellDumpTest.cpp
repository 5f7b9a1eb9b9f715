#include "workbook/CellDump.h"

#include "support/CaseName.h"
#include "workbook/SheetCells.h"
#include "workbook/TestPackages.h"

#include <gtest/gtest.h>

namespace {

struct DumpCase {
    const char* text;
    const char* line;
};

void PrintTo(const DumpCase& c, std::ostream* os)
{
    *os << CaseText(c.text);
}

class CellDumpTest : public testing::TestWithParam<DumpCase> {};

TEST_P(CellDumpTest, EscapesOnlyBackslashTabAndLineEnds)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetText(12, 345, GetParam().text);
    cells.Finish();
    EXPECT_EQ(Dump(cells), std::string("12\t345\t") + GetParam().line + "\n");
}

INSTANTIATE_TEST_SUITE_P(Texts, CellDumpTest,
                         testing::Values(DumpCase{"plain", "plain"}, DumpCase{"a\\b", "a\\\\b"},
                                         DumpCase{"a\tb", "a\\tb"}, DumpCase{"a\nb\r\n", "a\\nb\\r\\n"},
                                         DumpCase{" \"quoted\" ", " \"quoted\" "}, DumpCase{"Кириллица", "Кириллица"}));

TEST(CellDump, WritesNothingForASheetWithoutCells)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetText(1, 1, "");
    cells.Finish();
    EXPECT_EQ(Dump(cells), "");
}

} // namespace
