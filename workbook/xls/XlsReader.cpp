#include "workbook/xls/XlsReader.h"

#include "workbook/WorkbookFault.h"
#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/OldBiffGlobals.h"
#include "workbook/xls/OleWorkbookStream.h"
#include "workbook/xls/XlsGlobals.h"
#include "workbook/xls/XlsWorksheet.h"

#include <cerrno>
#include <filesystem>

namespace {

// An Excel 2.x-4.0 file offers one sheet, named as spreadsheet applications
// name it: after the file.
std::vector<SheetCandidate> OldBiffSheets(const std::string& path)
{
    return {{std::filesystem::path(path).stem().string(), false, true}};
}

void ReadOldBiffSheet(std::string_view stream, CellSink& sink, const std::string& path, const SheetChoice& choice)
{
    ChooseSheet(OldBiffSheets(path), choice);
    const XlsGlobals globals = ReadOldBiffGlobals(stream);
    sink.SetDate1904(globals.date1904);
    ReadXlsWorksheet(stream, globals.firstSheetOffset, globals, sink);
}

bool StartsWithOldBof(std::string_view stream)
{
    if (stream.size() < 2) return false;
    const auto id =
        static_cast<std::uint16_t>(static_cast<unsigned char>(stream[0]) | static_cast<unsigned char>(stream[1]) << 8);
    return IsBof(id) && id != BiffId::Bof;
}

std::vector<SheetCandidate> Candidates(const XlsGlobals& globals)
{
    std::vector<SheetCandidate> candidates;
    for (const XlsGlobals::Sheet& sheet : globals.sheets)
        candidates.push_back({sheet.name, sheet.hidden, sheet.type == BoundSheetType::Worksheet});
    return candidates;
}

} // namespace

void ReadXlsWorkbook(const WorkbookFile& workbook, CellSink& sink, const SheetChoice& choice)
{
    const std::string stream = ReadOleWorkbookStream(workbook);
    // An Excel 2.x-4.0 stream some tool put into a container.
    if (StartsWithOldBof(stream)) return ReadOldBiffSheet(stream, sink, workbook.path, choice);
    XlsGlobals globals = ReadXlsGlobals(stream);
    const XlsGlobals::Sheet sheet = globals.sheets[ChooseSheet(Candidates(globals), choice)];
    sink.SetDate1904(globals.date1904);
    sink.SetSharedStrings(globals.sharedStrings);
    globals.sharedStrings = {};
    for (const std::size_t cut : globals.cutSharedStrings)
        sink.Warn(ReadWarning::SharedStringCut, {std::to_string(cut)});
    ReadXlsSheet(stream, globals, sheet, sink);
}

void ReadOldXlsWorkbook(const WorkbookFile& workbook, CellSink& sink, const SheetChoice& choice)
{
    ReadOldBiffSheet(ReadWholeWorkbookFile(workbook), sink, workbook.path, choice);
}

std::vector<SheetEntry> ListXlsSheets(const WorkbookFile& workbook)
{
    const std::string stream = ReadOleWorkbookStream(workbook);
    if (StartsWithOldBof(stream)) return OfferedSheets(OldBiffSheets(workbook.path));
    return OfferedSheets(Candidates(ReadXlsGlobals(stream)));
}

std::vector<SheetEntry> ListOldXlsSheets(const WorkbookFile& workbook)
{
    return OfferedSheets(OldBiffSheets(workbook.path));
}
