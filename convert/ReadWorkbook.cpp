#include "convert/ReadWorkbook.h"

#include "base/Utf8Text.h"

#include <algorithm>

bool StrictLayoutLosesRows(const RunWorkbook& workbook, const SheetChoice& sheet, int headerRow)
{
    const auto rows = workbook.Rows(sheet, headerRow, headerRow + kLayoutRowsLookedAt);
    if (rows.empty()) return false;
    const std::vector<std::string>& header = rows.front();
    const auto firstEmpty = std::find(header.begin(), header.end(), std::string());
    if (std::any_of(firstEmpty, header.end(), [](const std::string& text) { return !Trim(text).empty(); })) return true;
    const auto dataEnd = std::find_if(rows.begin() + 1, rows.end(), [](const std::vector<std::string>& row) {
        return row.empty() || row[0].empty();
    });
    return std::any_of(dataEnd, rows.end(), [](const std::vector<std::string>& row) { return !row.empty(); });
}

std::vector<std::vector<std::string>> ReadMappingRows(const RunWorkbook& workbook, const SheetChoice& sheet,
                                                      int firstRow)
{
    return workbook.Rows(sheet, firstRow, firstRow + kMappingRowsLookedAt - 1);
}

std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional,
                                                 const SheetChoice& sheet, int headerRow)
{
    return RunWorkbook(path, regional).ColumnNames(sheet, headerRow);
}
