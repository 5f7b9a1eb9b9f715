#include "workbook/xls/XlsReader.h"

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

void ReadOldBiffSheet(std::string_view stream, CellSink& sink)
{
    const XlsGlobals globals = ReadOldBiffGlobals(stream);
    sink.SetDate1904(globals.date1904);
    ReadXlsWorksheet(stream, globals.firstSheetOffset, globals, sink);
}

bool StartsWithOldBof(std::string_view stream)
{
    if (stream.size() < 2) return false;
    const auto id = static_cast<std::uint16_t>(static_cast<unsigned char>(stream[0])
                                               | static_cast<unsigned char>(stream[1]) << 8);
    return IsBof(id) && id != BiffId::Bof;
}

} // namespace

void ReadXlsWorkbook(const std::string& path, CellSink& sink)
{
    const std::string stream = ReadOleWorkbookStream(path);
    // An Excel 2.x-4.0 stream some tool put into a container.
    if (StartsWithOldBof(stream)) return ReadOldBiffSheet(stream, sink);
    XlsGlobals globals = ReadXlsGlobals(stream);
    sink.SetDate1904(globals.date1904);
    sink.SetSharedStrings(globals.sharedStrings);
    globals.sharedStrings = {};
    ReadXlsFirstSheet(stream, globals, sink);
}

void ReadOldXlsWorkbook(const std::string& path, CellSink& sink)
{
    ReadOldBiffSheet(ReadWholeStream(path), sink);
}
