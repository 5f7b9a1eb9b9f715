#include "workbook/xls/XlsReader.h"

#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"
#include "workbook/SheetCells.h"
#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/OldBiffGlobals.h"
#include "workbook/xls/OleWorkbookStream.h"
#include "workbook/xls/XlsFault.h"
#include "workbook/xls/XlsGlobals.h"
#include "workbook/xls/XlsWorksheet.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

QuarnelError UserError(const XlsFault& fault, const std::string& path)
{
    switch (fault.Kind()) {
    case XlsFaultKind::Encrypted: return QuarnelError(FormatMessage(QRNConsts::sWorkbookEncrypted, {path}));
    case XlsFaultKind::Unsupported:
        return QuarnelError(FormatMessage(QRNConsts::sWorkbookUnsupported, {path, fault.what()}));
    case XlsFaultKind::Unreadable:
        return QuarnelError(FormatMessage(QRNConsts::sFileNotReadable, {path, fault.what()}));
    case XlsFaultKind::Broken: break;
    }
    return QuarnelError(FormatMessage(QRNConsts::sWorkbookBroken, {path, fault.what()}));
}

// Reads the first sheet with the reader given, turning its faults into the
// user's error naming the file.
template <typename Read>
std::unique_ptr<Workbook> ReadNamingTheFile(const std::string& path, Read read)
{
    try {
        return read();
    } catch (const XlsFault& fault) {
        throw UserError(fault, path);
    } catch (const SheetTooLarge&) {
        throw QuarnelError(FormatMessage(QRNConsts::sWorkbookTooLarge, {path, std::to_string(SheetCells::kMaxCells)}));
    }
}

std::string ReadWholeStream(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.eof() && file.fail()) throw XlsFault(XlsFaultKind::Unreadable, std::strerror(errno));
    return bytes;
}

std::unique_ptr<Workbook> ReadOldBiffSheet(std::string_view stream, const Regional& regional)
{
    const XlsGlobals globals = ReadOldBiffGlobals(stream);
    auto sheet = std::make_unique<SheetCells>(regional, globals.date1904);
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

std::unique_ptr<Workbook> ReadXlsWorkbook(const std::string& path, const Regional& regional)
{
    return ReadNamingTheFile(path, [&]() -> std::unique_ptr<Workbook> {
        const std::string stream = ReadOleWorkbookStream(path);
        // An Excel 2.x-4.0 stream some tool put into a container.
        if (StartsWithOldBof(stream)) return ReadOldBiffSheet(stream, regional);
        XlsGlobals globals = ReadXlsGlobals(stream);
        auto sheet = std::make_unique<SheetCells>(regional, globals.date1904);
        sheet->SetSharedStrings(std::move(globals.sharedStrings));
        ReadXlsFirstSheet(stream, globals, *sheet);
        sheet->Finish();
        return sheet;
    });
}

std::unique_ptr<Workbook> ReadOldXlsWorkbook(const std::string& path, const Regional& regional)
{
    return ReadNamingTheFile(path, [&] { return ReadOldBiffSheet(ReadWholeStream(path), regional); });
}
