#include "workbook/open/OpenWorkbook.h"

#include "workbook/csv/CsvReader.h"
#include "workbook/ods/OdsReader.h"
#include "workbook/SheetCells.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xlsx/XlsxReader.h"
#include "workbook/ZipArchive.h"
#include "workbook/xls/XlsReader.h"

#include <cerrno>
#include <new>

namespace {

enum class Container { Ole2, Zip, OldBiff, Text, Empty, Unknown };

// The first bytes decide, never the file's extension: users rename files.
Container ContainerOf(const std::string& head)
{
    if (head.empty()) return Container::Empty;
    if (head.rfind("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 0) == 0) return Container::Ole2;
    if (head.rfind("PK\x03\x04", 0) == 0 || head.rfind("PK\x05\x06", 0) == 0) return Container::Zip;
    // A bare BIFF stream starts with its BOF record: 0x0009 (BIFF2), 0x0209
    // (BIFF3), 0x0409 (BIFF4) or 0x0809 (BIFF5 and later outside OLE2).
    if (head.size() >= 4 && head[0] == '\x09'
        && (head[1] == '\x00' || head[1] == '\x02' || head[1] == '\x04' || head[1] == '\x08')
        && static_cast<unsigned char>(head[3]) == 0 && static_cast<unsigned char>(head[2]) <= 16)
        return Container::OldBiff;
    return Container::Unknown;
}

// The first bytes of the file.
std::string ReadHead(const WorkbookFile& workbook)
{
    std::string head(8, '\0');
    const long long got = workbook.file->ReadAt(0, head.data(), head.size());
    if (got < 0) ThrowUnreadable(errno);
    head.resize(static_cast<std::size_t>(got));
    return head;
}

enum class ZipKind { Ods, Xlsx };

ZipKind KindOfZip(const ZipArchive& archive)
{
    if (archive.Contains("mimetype") || (!archive.Contains("_rels/.rels") && archive.Contains("content.xml")))
        return ZipKind::Ods;
    if (archive.Contains("_rels/.rels") || archive.Contains("[Content_Types].xml")) return ZipKind::Xlsx;
    ThrowUnsupported(ReadReason::NoSpreadsheet);
}

// The container of the file, refusing what holds no workbook. A file that is
// none of the binary containers is delimited text when so named.
Container ReadableContainer(const WorkbookFile& workbook)
{
    switch (const Container container = ContainerOf(ReadHead(workbook))) {
    case Container::Empty: ThrowBroken(ReadReason::EmptyFile);
    case Container::Unknown:
        if (IsDelimitedTextName(workbook.path)) return Container::Text;
        ThrowUnsupported(ReadReason::NotWorkbook);
    default: return container;
    }
}

void ReadByContent(const WorkbookFile& workbook, CellSink& sink, SheetExtent extent, const SheetChoice& choice)
{
    const Container container = ReadableContainer(workbook);
    sink.SetBudget(ReadBudget::ForFileSize(workbook.file->Size()));
    if (container == Container::Ole2) return ReadXlsWorkbook(workbook, sink, choice);
    if (container == Container::OldBiff) return ReadOldXlsWorkbook(workbook, sink, choice);
    if (container == Container::Text) return ReadCsvWorkbook(workbook, sink, choice);
    ZipArchive archive(workbook);
    if (KindOfZip(archive) == ZipKind::Ods) return ReadOdsWorkbook(archive, sink, choice);
    ReadXlsxWorkbook(archive, sink, extent, choice);
}

std::vector<SheetEntry> ListByContent(const WorkbookFile& workbook)
{
    const Container container = ReadableContainer(workbook);
    if (container == Container::Ole2) return ListXlsSheets(workbook);
    if (container == Container::OldBiff) return ListOldXlsSheets(workbook);
    if (container == Container::Text) return ListCsvSheets(workbook);
    ZipArchive archive(workbook);
    return KindOfZip(archive) == ZipKind::Ods ? ListOdsSheets(archive) : ListXlsxSheets(archive);
}

template <typename Read>
auto NamingTheFile(const std::string& path, Read read)
{
    try {
        return read();
    } catch (WorkbookFault& fault) {
        fault.path = path;
        throw;
    } catch (const std::bad_alloc&) {
        // The reading is unwound by now, and with it what it held.
        WorkbookFault fault(WorkbookFault::Kind::OutOfMemory, ReadReason::OutOfMemory);
        fault.path = path;
        throw fault;
    }
}

} // namespace

void ReadSheet(const WorkbookFile& workbook, CellSink& sink, SheetExtent extent, const SheetChoice& choice)
{
    NamingTheFile(workbook.path, [&] { ReadByContent(workbook, sink, extent, choice); });
}

std::vector<SheetEntry> ListSheets(const WorkbookFile& workbook)
{
    return NamingTheFile(workbook.path, [&] { return ListByContent(workbook); });
}

std::unique_ptr<Workbook> OpenWorkbook(const WorkbookFile& workbook, const Regional& regional,
                                       const SheetChoice& choice, const StopRequest& stop)
{
    auto cells = std::make_unique<SheetCells>(regional, false);
    cells->SetStop(stop);
    try {
        ReadSheet(workbook, *cells, SheetExtent::Whole, choice);
    } catch (const ReadingStopped&) {
        // What was read so far: the caller that asked to stop keeps none of it.
    }
    cells->Finish();
    return cells;
}

void ReadSheet(const std::string& path, CellSink& sink, SheetExtent extent, const SheetChoice& choice)
{
    ReadSheet(OpenWorkbookFile(path), sink, extent, choice);
}

std::vector<SheetEntry> ListSheets(const std::string& path)
{
    return ListSheets(OpenWorkbookFile(path));
}

std::unique_ptr<Workbook> OpenWorkbook(const std::string& path, const Regional& regional, const SheetChoice& choice,
                                       const StopRequest& stop)
{
    return OpenWorkbook(OpenWorkbookFile(path), regional, choice, stop);
}

std::unique_ptr<SheetRows> StreamSheetRows(const std::string& path, const Regional& regional, const SheetChoice& choice,
                                           const StopRequest& stop)
{
    return StreamSheetRows(OpenWorkbookFile(path), regional, choice, stop);
}

std::vector<std::string> ReadHeaderRow(const std::string& path, const Regional& regional, const SheetChoice& choice,
                                       int row)
{
    return ReadHeaderRow(OpenWorkbookFile(path), regional, choice, row);
}

std::vector<std::vector<std::string>> ReadFirstRows(const std::string& path, const Regional& regional,
                                                    const SheetChoice& choice, int count)
{
    return ReadFirstRows(OpenWorkbookFile(path), regional, choice, count);
}

SheetTop ReadSheetTop(const std::string& path, const Regional& regional, const SheetChoice& choice, int first, int last)
{
    return ReadSheetTop(OpenWorkbookFile(path), regional, choice, first, last);
}

std::vector<std::vector<std::string>> ReadRowRange(const std::string& path, const Regional& regional,
                                                   const SheetChoice& choice, int first, int last)
{
    return ReadRowRange(OpenWorkbookFile(path), regional, choice, first, last);
}
