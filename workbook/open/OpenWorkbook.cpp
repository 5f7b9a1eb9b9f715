#include "workbook/open/OpenWorkbook.h"

#include "workbook/csv/CsvReader.h"
#include "workbook/ods/OdsReader.h"
#include "workbook/SheetCells.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xlsx/XlsxReader.h"
#include "workbook/ZipArchive.h"
#include "workbook/xls/XlsReader.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

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

// The first bytes of the file; a fault when there is no file to read there.
std::string ReadHead(const std::string& path)
{
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (status.type() == std::filesystem::file_type::not_found)
        throw WorkbookFault(WorkbookFault::Kind::Missing, ReadReason::FileNotFound);
    if (status.type() == std::filesystem::file_type::directory)
        throw WorkbookFault(WorkbookFault::Kind::Unreadable, ReadReason::IsFolder);
    // A FIFO would hold the program until someone writes into it, a device
    // could be read forever.
    if (!code && status.type() != std::filesystem::file_type::regular)
        throw WorkbookFault(WorkbookFault::Kind::Unreadable, ReadReason::NotRegularFile);

    std::ifstream file(path, std::ios::binary);
    if (!file) ThrowUnreadable(errno);
    std::string head(8, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
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
Container ReadableContainer(const std::string& path)
{
    switch (const Container container = ContainerOf(ReadHead(path))) {
    case Container::Empty: ThrowBroken(ReadReason::EmptyFile);
    case Container::Unknown:
        if (IsDelimitedTextName(path)) return Container::Text;
        ThrowUnsupported(ReadReason::NotWorkbook);
    default: return container;
    }
}

void ReadByContent(const std::string& path, CellSink& sink, SheetExtent extent, const SheetChoice& choice)
{
    const Container container = ReadableContainer(path);
    std::error_code ignored;
    sink.SetBudget(ReadBudget::ForFileSize(std::filesystem::file_size(path, ignored)));
    if (container == Container::Ole2) return ReadXlsWorkbook(path, sink, choice);
    if (container == Container::OldBiff) return ReadOldXlsWorkbook(path, sink, choice);
    if (container == Container::Text) return ReadCsvWorkbook(path, sink, choice);
    ZipArchive archive(path);
    if (KindOfZip(archive) == ZipKind::Ods) return ReadOdsWorkbook(archive, sink, choice);
    ReadXlsxWorkbook(archive, sink, extent, choice);
}

std::vector<SheetEntry> ListByContent(const std::string& path)
{
    const Container container = ReadableContainer(path);
    if (container == Container::Ole2) return ListXlsSheets(path);
    if (container == Container::OldBiff) return ListOldXlsSheets(path);
    if (container == Container::Text) return ListCsvSheets(path);
    ZipArchive archive(path);
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
    }
}

} // namespace

void ReadSheet(const std::string& path, CellSink& sink, SheetExtent extent, const SheetChoice& choice)
{
    NamingTheFile(path, [&] { ReadByContent(path, sink, extent, choice); });
}

std::vector<SheetEntry> ListSheets(const std::string& path)
{
    return NamingTheFile(path, [&] { return ListByContent(path); });
}

std::unique_ptr<Workbook> OpenWorkbook(const std::string& path, const Regional& regional, const SheetChoice& choice,
                                       const StopRequest& stop)
{
    auto cells = std::make_unique<SheetCells>(regional, false);
    cells->SetStop(stop);
    try {
        ReadSheet(path, *cells, SheetExtent::Whole, choice);
    } catch (const ReadingStopped&) {
        // What was read so far: the caller that asked to stop keeps none of it.
    }
    cells->Finish();
    return cells;
}
