#include "workbook/xls/XlsReader.h"

#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"
#include "workbook/SheetCells.h"
#include "workbook/xls/OleWorkbookStream.h"
#include "workbook/xls/XlsFault.h"
#include "workbook/xls/XlsGlobals.h"
#include "workbook/xls/XlsWorksheet.h"

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

} // namespace

std::unique_ptr<Workbook> ReadXlsWorkbook(const std::string& path, const Regional& regional)
{
    try {
        const std::string stream = ReadOleWorkbookStream(path);
        XlsGlobals globals = ReadXlsGlobals(stream);
        auto sheet = std::make_unique<SheetCells>(regional, globals.date1904);
        sheet->SetSharedStrings(std::move(globals.sharedStrings));
        ReadXlsFirstSheet(stream, globals, *sheet);
        sheet->Finish();
        return sheet;
    } catch (const XlsFault& fault) {
        throw UserError(fault, path);
    } catch (const SheetTooLarge&) {
        throw QuarnelError(FormatMessage(QRNConsts::sWorkbookTooLarge, {path, std::to_string(SheetCells::kMaxCells)}));
    }
}
