#include "workbook/Workbook.h"

void Workbook::ForEachCell(const std::function<void(int row, int column, const std::string& text)>& visit) const
{
    const int lastRow = LastRow();
    for (int row = 1; row <= lastRow; ++row)
        ForEachCellInRow(row, [&](int column, const std::string& text) { visit(row, column, text); });
}

void Workbook::ForEachCellInRow(int row, const std::function<void(int column, const std::string& text)>& visit) const
{
    const int lastColumn = LastColumn(row);
    for (int column = 1; column <= lastColumn; ++column)
        if (const std::string text = CellText(row, column); !text.empty()) visit(column, text);
}
