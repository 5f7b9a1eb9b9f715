#include "convert/ReadWorkbook.h"

#include "base/Utf8Text.h"
#include "messages/FaultMessages.h"
#include "convert/WorkbookRows.h"
#include "scheme/HeaderRow.h"
#include "scheme/SupplierHeader.h"
#include "workbook/CellDump.h"
#include "workbook/open/OpenWorkbook.h"

#include <algorithm>

std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional,
                                                 const SheetChoice& sheet, int headerRow)
{
    return ReadColumnNames(path, regional, sheet, headerRow);
}

WorkbookColumns ReadWorkbookColumns(const std::string& path, const Regional& regional, const SheetChoice& sheet,
                                    int headerRow, SheetLayout layout, bool forRun)
{
    if (layout == SheetLayout::Strict) return {ReadWorkbookColumnNames(path, regional, sheet, headerRow), {}, 0};
    SupplierHeader header = ReadSupplierHeader(path, regional, sheet, headerRow);
    if (forRun) {
        header.columnNames.push_back(kGroupColumn);
        header.hidden.push_back(false);
    }
    return {std::move(header.columnNames), std::move(header.hidden), header.firstDataRow};
}

bool StrictLayoutLosesRows(const std::string& path, const Regional& regional, const SheetChoice& sheet, int headerRow)
{
    const auto rows = ReadRowRange(path, regional, sheet, headerRow, headerRow + kLayoutRowsLookedAt);
    if (rows.empty()) return false;
    const std::vector<std::string>& header = rows.front();
    const auto firstEmpty = std::find(header.begin(), header.end(), std::string());
    if (std::any_of(firstEmpty, header.end(), [](const std::string& text) { return !Trim(text).empty(); })) return true;
    const auto dataEnd = std::find_if(rows.begin() + 1, rows.end(), [](const std::vector<std::string>& row) {
        return row.empty() || row[0].empty();
    });
    return std::any_of(dataEnd, rows.end(), [](const std::vector<std::string>& row) { return !row.empty(); });
}

std::vector<std::vector<std::string>> ReadMappingRows(const std::string& path, const Regional& regional,
                                                      const SheetChoice& sheet, int firstRow)
{
    return ReadRowRange(path, regional, sheet, firstRow, firstRow + kMappingRowsLookedAt - 1);
}

std::vector<SheetEntry> ReadWorkbookSheets(const std::string& path)
{
    return ListSheets(path);
}

SheetChoice ResolveWorkbookSheet(const std::string& path, const std::string& typed)
{
    return typed.empty() ? typed : ResolveTypedSheet(ReadWorkbookSheets(path), typed);
}

void DumpWorkbookCells(const std::string& path, const Regional& regional, const SheetChoice& sheet, std::ostream& out,
                       const std::function<void()>& startsOver)
{
    std::size_t written = 0;
    ReadWorkbookRows(path, regional, sheet, {}, [&](SheetRows& rows) {
        if (written > 0) startsOver();
        DumpCells(rows, out, written);
    });
}
