#include "convert/DataRows.h"

int CountDataRows(const Workbook& workbook)
{
    int row = 2;
    while (!workbook.CellText(row, 1).empty()) ++row;
    return row - 2;
}
