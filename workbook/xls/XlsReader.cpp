#include "workbook/xls/XlsReader.h"

#include "workbook/SheetCells.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/OldBiffGlobals.h"
#include "workbook/xls/OleWorkbookStream.h"
#include "workbook/xls/XlsGlobals.h"
#include "workbook/xls/XlsWorksheet.h"

#include <cerrno>
#include <fstream>
#include <iterator>

namespace {

std::string ReadWholeStream(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.eof() && file.fail()) ThrowUnreadable(errno);
    return bytes;
}

std::unique_ptr<Workbook> ReadOldBiffSheet(std::string_view stream, const Regional& regional, const ReadBudget& budget)
{
    const XlsGlobals globals = ReadOldBiffGlobals(stream);
    auto sheet = std::make_unique<SheetCells>(regional, globals.date1904, budget);
    ReadXlsWorksheet(stream, globals.firstSheetOffset, globals, *sheet);
    sheet->Finish();
    return sheet;
}

bool StartsWithOldBof(std::string_view stream)
{
    if (stream.size() < 2) return false;
    const auto id = static_cast<std::uint16_t>(static_cast<unsigned char>(stream[0])
                                               | static_cast<unsigned char>(stream[1]) << 8);
    return IsBof(id) && id != BiffId::Bof;
}

} // namespace

std::unique_ptr<Workbook> ReadXlsWorkbook(const std::string& path, const Regional& regional, const ReadBudget& budget)
{
    const std::string stream = ReadOleWorkbookStream(path);
    // An Excel 2.x-4.0 stream some tool put into a container.
    if (StartsWithOldBof(stream)) return ReadOldBiffSheet(stream, regional, budget);
    XlsGlobals globals = ReadXlsGlobals(stream);
    auto sheet = std::make_unique<SheetCells>(regional, globals.date1904, budget);
    sheet->SetSharedStrings(std::move(globals.sharedStrings));
    ReadXlsFirstSheet(stream, globals, *sheet);
    sheet->Finish();
    return sheet;
}

std::unique_ptr<Workbook> ReadOldXlsWorkbook(const std::string& path, const Regional& regional,
                                             const ReadBudget& budget)
{
    return ReadOldBiffSheet(ReadWholeStream(path), regional, budget);
}
