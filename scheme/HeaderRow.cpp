#include "scheme/HeaderRow.h"

#include "base/Utf8Text.h"
#include "scheme/AutoMapping.h"
#include "workbook/open/OpenWorkbook.h"

#include <algorithm>

std::vector<std::string> ColumnNames(std::vector<std::string> firstRow)
{
    const auto end =
        std::find_if(firstRow.begin(), firstRow.end(), [](const std::string& text) { return text.empty(); });
    firstRow.erase(end, firstRow.end());
    for (std::string& name : firstRow) {
        std::replace_if(
            name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
        name = Trim(name);
    }
    return firstRow;
}

std::vector<std::string> ReadColumnNames(const std::string& workbookPath, const Regional& regional,
                                         const SheetChoice& sheet, int headerRow)
{
    return ColumnNames(ReadHeaderRow(workbookPath, regional, sheet, headerRow));
}

int FindWorkbookHeaderRow(const std::string& workbookPath, const Regional& regional, const SheetChoice& sheet,
                          std::optional<TDocumentType> type)
{
    std::vector<std::vector<std::string>> rows = ReadFirstRows(workbookPath, regional, sheet, kHeaderRowSearchRows);
    for (std::vector<std::string>& row : rows)
        for (std::string& text : row) text = Trim(text);
    return FindHeaderRow(type, rows);
}
