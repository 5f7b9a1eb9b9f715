#include "workbook/SheetCells.h"

#include "TestPackages.h"
#include "workbook/WorkbookFault.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetCells, ListsCellsSetInAnyOrderRowByRow)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetNumber(3, 2, 2.5, NumberStyle::Plain);
    cells.SetText(1, 3, "c");
    cells.SetSharedStrings({"zero", "one"});
    cells.SetSharedString(1, 1, 1);
    cells.SetNumber(3, 1, 61, NumberStyle::Date);
    cells.Finish();

    EXPECT_EQ(Dump(cells), "1\t1\tone\n1\t3\tc\n3\t1\t01.03.1900\n3\t2\t2,5\n");
    EXPECT_EQ(cells.LastRow(), 3);
    EXPECT_EQ(cells.LastColumn(1), 3);
    EXPECT_EQ(cells.LastColumn(2), 0);
    EXPECT_EQ(cells.LastColumn(3), 2);
}

// A large table spans several blocks of the text arena and of the table's
// index: strings anywhere in it must come back as they went in.
TEST(SheetCells, FindsSharedStringsInEverySegment)
{
    std::vector<std::string> table;
    for (int i = 0; i < 140'000; ++i) table.push_back("s" + std::to_string(i));
    SheetCells cells(Regional::Russian(), false);
    cells.SetSharedStrings(table);
    const std::vector<std::uint32_t> indices = {0, 65'535, 65'536, 131'071, 131'072, 139'999};
    for (std::size_t i = 0; i < indices.size(); ++i) cells.SetSharedString(1, static_cast<int>(i) + 1, indices[i]);
    cells.Finish();

    EXPECT_EQ(Dump(cells), "1\t1\ts0\n1\t2\ts65535\n1\t3\ts65536\n1\t4\ts131071\n1\t5\ts131072\n1\t6\ts139999\n");
}

TEST(SheetCells, KeepsTheLastValueSetForACell)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetText(2, 2, "first");
    cells.SetNumber(1, 1, 1, NumberStyle::Plain);
    cells.SetText(2, 2, "second");
    cells.SetText(1, 1, "");
    cells.Finish();

    EXPECT_EQ(Dump(cells), "2\t2\tsecond\n");
    EXPECT_EQ(cells.CellText(1, 1), "");
}

TEST(SheetCells, EndsWithTheLastRowHoldingAValue)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetText(1, 1, "a");
    cells.SetText(1, 2, "");
    cells.SetText(2, 1, "");
    cells.SetText(3, 5, "");
    cells.Finish();
    EXPECT_EQ(Dump(cells), "1\t1\ta\n");
    EXPECT_EQ(cells.LastRow(), 1);
    EXPECT_EQ(cells.LastColumn(1), 1);
}

TEST(SheetCells, GivesEmptyTextOutsideItsCells)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetText(2, 2, "x");
    cells.Finish();

    for (const auto& [row, column] : {std::pair{0, 0}, {-1, 2}, {2, -1}, {2, 1}, {2, 3}, {3, 2}, {1, 2}, {1 << 30, 2}})
        EXPECT_EQ(cells.CellText(row, column), "") << row << "," << column;
    EXPECT_EQ(cells.LastColumn(0), 0);
    EXPECT_EQ(cells.LastColumn(99), 0);
}

TEST(SheetCells, IsEmptyWithoutCells)
{
    SheetCells cells(Regional::Russian(), false);
    cells.Finish();
    EXPECT_EQ(cells.LastRow(), 0);
    EXPECT_EQ(cells.CellText(1, 1), "");
}

TEST(SheetCells, KeepsLongTextsAndEveryByteOfThem)
{
    SheetCells cells(Regional::Russian(), false);
    const std::string longText(100000, 'x');
    const std::string binary("a\0b\xFF", 4);
    cells.SetText(1, 1, longText);
    cells.SetText(1, 2, binary);
    cells.SetText(1, 3, std::string(127, 'y'));
    cells.SetText(1, 4, std::string(128, 'z'));
    cells.Finish();
    EXPECT_EQ(cells.CellText(1, 1), longText);
    EXPECT_EQ(cells.CellText(1, 2), binary);
    EXPECT_EQ(cells.CellText(1, 3), std::string(127, 'y'));
    EXPECT_EQ(cells.CellText(1, 4), std::string(128, 'z'));
}

TEST(SheetCells, AppliesTheDateSystemSetAfterTheCells)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetNumber(1, 1, 0, NumberStyle::Date);
    cells.SetDateTime(1, 2, 0.5);
    cells.SetDate1904(true);
    cells.Finish();
    EXPECT_EQ(cells.CellText(1, 1), "01.01.1904");
    EXPECT_EQ(cells.CellText(1, 2), "12:00:00");
}

TEST(SheetCells, RefusesMoreCellsThanItMayHold)
{
    SheetCells cells(Regional::Russian(), false, {3, 1000, 1000});
    EXPECT_TRUE(cells.HasRoomFor(3));
    cells.SetNumber(1, 1, 1, NumberStyle::Plain);
    cells.SetText(1, 2, "b");
    EXPECT_TRUE(cells.HasRoomFor(1));
    EXPECT_FALSE(cells.HasRoomFor(2));
    cells.SetSharedString(1, 3, 0);
    EXPECT_THROW(cells.SetNumber(2, 1, 1, NumberStyle::Plain), WorkbookFault);
}

// Every visited cell as "row,column=text;".
std::string Visited(const Workbook& workbook)
{
    std::string out;
    workbook.ForEachCell([&out](int row, int column, const std::string& text) {
        out += std::to_string(row) + "," + std::to_string(column) + "=" + text + ";";
    });
    return out;
}

TEST(SheetCells, VisitsItsCellsInOrderSkippingTheGaps)
{
    SheetCells cells(Regional::Russian(), false);
    cells.SetText(1048576, 16384, "corner");
    cells.SetText(2, 1, "");
    cells.SetNumber(2, 16384, 0.5, NumberStyle::Plain);
    cells.SetSharedStrings({""});
    cells.SetSharedString(1, 7, 0);
    cells.SetText(1, 3, "c");
    cells.Finish();
    EXPECT_EQ(Visited(cells), "1,3=c;2,16384=0,5;1048576,16384=corner;");
}

// A workbook that knows only its cell texts, for the default walk.
class GridWorkbook : public Workbook {
public:
    std::string CellText(int row, int column) const override
    {
        return row == 2 && column == 2 ? "b" : row == 3 && column == 1 ? "c" : "";
    }
    int LastRow() const override { return 3; }
    int LastColumn(int row) const override { return row == 1 ? 5 : row; }
};

TEST(Workbook, VisitsTheNonEmptyCellsOfAnyWorkbook)
{
    EXPECT_EQ(Visited(GridWorkbook()), "2,2=b;3,1=c;");
}

} // namespace
