#include "convert/ReadWorkbook.h"

#include "messages/FaultMessages.h"
#include "scheme/HeaderRow.h"
#include "workbook/ReadSheet.h"

std::unique_ptr<Workbook> ReadWorkbook(const std::string& path, const Regional& regional, const SheetChoice& sheet)
{
    return WithUserMessages([&] { return OpenWorkbook(path, regional, sheet); });
}

std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional,
                                                 const SheetChoice& sheet, int headerRow)
{
    return WithUserMessages([&] { return ReadColumnNames(path, regional, sheet, headerRow); });
}

std::vector<SheetEntry> ReadWorkbookSheets(const std::string& path)
{
    return WithUserMessages([&] { return ListSheets(path); });
}
