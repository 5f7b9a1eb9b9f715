#include "convert/RunWorkbook.h"

#include "base/Utf8Text.h"
#include "scheme/AutoMapping.h"
#include "scheme/HeaderRow.h"
#include "workbook/CellDump.h"

RunWorkbook::RunWorkbook(const std::string& path, const Regional& regional)
    : workbook_(OpenWorkbookFile(path)), regional_(regional)
{
}

bool RunWorkbook::Changed() const
{
    return StampOf(workbook_.path) != workbook_.file->Stamp();
}

std::vector<SheetEntry> RunWorkbook::Sheets() const
{
    return ListSheets(workbook_);
}

SheetChoice RunWorkbook::ResolveSheet(const std::string& typed) const
{
    return typed.empty() ? typed : ResolveTypedSheet(Sheets(), typed);
}

std::vector<std::string> RunWorkbook::ColumnNames(const SheetChoice& sheet, int headerRow) const
{
    return ::ColumnNames(ReadHeaderRow(workbook_, regional_, sheet, headerRow));
}

std::vector<std::vector<std::string>> RunWorkbook::Rows(const SheetChoice& sheet, int first, int last) const
{
    return ReadRowRange(workbook_, regional_, sheet, first, last);
}

SheetTop RunWorkbook::Top(const SheetChoice& sheet, int first, int last) const
{
    return ReadSheetTop(workbook_, regional_, sheet, first, last);
}

int RunWorkbook::FindHeaderRow(const SheetChoice& sheet, std::optional<TDocumentType> type) const
{
    std::vector<std::vector<std::string>> rows = ReadFirstRows(workbook_, regional_, sheet, kHeaderRowSearchRows);
    for (std::vector<std::string>& row : rows)
        for (std::string& text : row) text = Trim(text);
    return ::FindHeaderRow(type, rows);
}

void RunWorkbook::ReadRows(const SheetChoice& sheet, const StopRequest& stop,
                           const std::function<void(SheetRows& rows)>& read) const
{
    try {
        const std::unique_ptr<SheetRows> rows = StreamSheetRows(workbook_, regional_, sheet, stop);
        read(*rows);
        return;
    } catch (const SheetOutOfOrder&) {
    }
    const std::unique_ptr<Workbook> held = OpenWorkbook(workbook_, regional_, sheet, stop);
    HeldSheetRows rows(*held, stop);
    read(rows);
}

void RunWorkbook::Dump(const SheetChoice& sheet, std::ostream& out, const std::function<void()>& startsOver) const
{
    std::size_t written = 0;
    ReadRows(sheet, {}, [&](SheetRows& rows) {
        if (written > 0) startsOver();
        DumpCells(rows, out, written);
    });
}
