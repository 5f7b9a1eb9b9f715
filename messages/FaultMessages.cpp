#include "messages/FaultMessages.h"

#include "base/MessageFormat.h"
#include "messages/FaultTexts.h"

#include <cerrno>
#include <filesystem>
#include <new>

namespace {

const char* ReasonText(ReadReason reason)
{
    switch (reason) {
    case ReadReason::FileNotFound:
    case ReadReason::SystemError:
    case ReadReason::LibraryError:
    case ReadReason::Encrypted:
    case ReadReason::TooManyCells: return "%s";
    case ReadReason::IsFolder: return QRNConsts::sReasonIsFolder;
    case ReadReason::NotRegularFile: return QRNConsts::sReasonNotRegularFile;
    case ReadReason::EmptyFile: return QRNConsts::sReasonEmptyFile;
    case ReadReason::NotWorkbook: return QRNConsts::sReasonNotWorkbook;
    case ReadReason::NoSpreadsheet: return QRNConsts::sReasonNoSpreadsheet;
    case ReadReason::PrereleaseFormat: return QRNConsts::sReasonPrereleaseFormat;
    case ReadReason::FirstSheetNotCells: return QRNConsts::sReasonFirstSheetNotCells;
    case ReadReason::FirstSheetMacros: return QRNConsts::sReasonFirstSheetMacros;
    case ReadReason::SheetForeignNamespace: return QRNConsts::sReasonSheetForeignNamespace;
    case ReadReason::NoSheets: return QRNConsts::sReasonNoSheets;
    case ReadReason::SheetNotFound: return QRNConsts::sReasonSheetNotFound;
    case ReadReason::NotAWorksheet: return QRNConsts::sReasonNotAWorksheet;
    case ReadReason::SheetIdTwice: return QRNConsts::sReasonSheetIdTwice;
    case ReadReason::OleDamaged: return QRNConsts::sReasonOleDamaged;
    case ReadReason::OleStreamTooLarge: return QRNConsts::sReasonOleStreamTooLarge;
    case ReadReason::NoWorkbookStream: return QRNConsts::sReasonNoWorkbookStream;
    case ReadReason::WorkbookStreamDamaged: return QRNConsts::sReasonWorkbookStreamDamaged;
    case ReadReason::RecordTooShort: return QRNConsts::sReasonRecordTooShort;
    case ReadReason::FileTruncated: return QRNConsts::sReasonFileTruncated;
    case ReadReason::ZipDamaged: return QRNConsts::sReasonZipDamaged;
    case ReadReason::DuplicateEntry: return QRNConsts::sReasonDuplicateEntry;
    case ReadReason::PartMissing: return QRNConsts::sReasonPartMissing;
    case ReadReason::PartDamaged: return QRNConsts::sReasonPartDamaged;
    case ReadReason::PartTooLarge: return QRNConsts::sReasonPartTooLarge;
    case ReadReason::XmlMalformed: return QRNConsts::sReasonXmlMalformed;
    case ReadReason::XmlDoctype: return QRNConsts::sReasonXmlDoctype;
    case ReadReason::XmlEncoding: return QRNConsts::sReasonXmlEncoding;
    case ReadReason::OutOfMemory: return QRNConsts::sOutOfMemory;
    case ReadReason::BadCellReference: return QRNConsts::sReasonBadCellReference;
    case ReadReason::CellOutOfSheet: return QRNConsts::sReasonCellOutOfSheet;
    case ReadReason::BadSharedString: return QRNConsts::sReasonBadSharedString;
    case ReadReason::BadDateValue: return QRNConsts::sReasonBadDateValue;
    case ReadReason::TooMuchText: return QRNConsts::sReasonTooMuchText;
    case ReadReason::CellTextTooLong: return QRNConsts::sReasonCellTextTooLong;
    case ReadReason::TooManySharedStrings: return QRNConsts::sReasonTooManySharedStrings;
    case ReadReason::TooManyAttributes: return QRNConsts::sReasonTooManyAttributes;
    case ReadReason::NoSuchSheet: return "%s";
    case ReadReason::CsvQuoteNotClosed: return QRNConsts::sReasonCsvQuoteNotClosed;
    case ReadReason::CsvUtf16Odd: return QRNConsts::sReasonCsvUtf16Odd;
    case ReadReason::CsvTooManyFields: return QRNConsts::sReasonCsvTooManyFields;
    }
    return "%s";
}

// The reason with the values it names.
std::string Reason(const WorkbookFault& fault)
{
    if (fault.reason == ReadReason::SystemError) return DescribeSystemError(fault.systemError);
    const auto& d = fault.details;
    const auto detail = [&](std::size_t i) { return i < d.size() ? std::string_view(d[i]) : std::string_view(); };
    return FormatMessage(ReasonText(fault.reason), {detail(0), detail(1), detail(2)});
}

} // namespace

std::string WorkbookFaultMessage(const WorkbookFault& fault)
{
    switch (fault.kind) {
    case WorkbookFault::Kind::Missing: return FormatMessage(QRNConsts::sFileNotFound, {fault.path});
    case WorkbookFault::Kind::Unreadable:
        return FormatMessage(QRNConsts::sFileNotReadable, {fault.path, Reason(fault)});
    case WorkbookFault::Kind::Encrypted: return FormatMessage(QRNConsts::sWorkbookEncrypted, {fault.path});
    case WorkbookFault::Kind::Unsupported:
        return FormatMessage(QRNConsts::sWorkbookUnsupported, {fault.path, Reason(fault)});
    case WorkbookFault::Kind::TooLarge:
        if (fault.reason != ReadReason::TooManyCells)
            return FormatMessage(QRNConsts::sWorkbookOverBudget, {fault.path, Reason(fault)});
        return FormatMessage(QRNConsts::sWorkbookTooLarge, {fault.path, fault.details.empty() ? "" : fault.details[0]});
    case WorkbookFault::Kind::NoSuchSheet: {
        std::string sheets;
        for (std::size_t i = 1; i < fault.details.size(); ++i)
            sheets += (i > 1 ? ", \"" : "\"") + fault.details[i] + "\"";
        return FormatMessage(QRNConsts::sNoSuchSheet,
                             {fault.path, fault.details.empty() ? "" : fault.details[0], sheets});
    }
    case WorkbookFault::Kind::OutOfMemory: return FormatMessage(QRNConsts::sOutOfMemoryReading, {fault.path});
    case WorkbookFault::Kind::Broken: break;
    }
    return FormatMessage(QRNConsts::sWorkbookBroken, {fault.path, Reason(fault)});
}

std::string DescribeSystemError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QRNConsts::sReasonAccessDenied;
    case ENOENT:
    case ENOTDIR: return QRNConsts::sReasonNoSuchFolder;
    case EISDIR: return QRNConsts::sReasonIsFolder;
    case ENOSPC:
    case EDQUOT: return QRNConsts::sReasonDiskFull;
    case EROFS: return QRNConsts::sReasonReadOnly;
    case ENAMETOOLONG: return QRNConsts::sReasonNameTooLong;
    case ELOOP: return QRNConsts::sReasonLinkLoop;
    case EIO: return QRNConsts::sReasonInputOutput;
    case EMFILE:
    case ENFILE: return QRNConsts::sReasonTooManyOpenFiles;
    case EFBIG: return QRNConsts::sReasonFileTooBig;
    case EXDEV: return QRNConsts::sReasonOtherDevice;
    default: return FormatMessage(QRNConsts::sReasonSystemError, {std::to_string(error)});
    }
}

std::string FileFaultReason(const FileFault& fault)
{
    switch (fault.reason) {
    case FileFault::Reason::NotRegularFile: return QRNConsts::sReasonNotRegularFile;
    case FileFault::Reason::TooLarge:
        return FormatMessage(QRNConsts::sReasonFileTooLarge, {std::to_string(fault.limitBytes / 1024)});
    case FileFault::Reason::SystemError: break;
    }
    return DescribeSystemError(fault.systemError);
}

std::string FileFaultMessage(const FileFault& fault)
{
    if (fault.action == FileFault::Action::Write)
        return FormatMessage(QRNConsts::sFileNotWritable, {fault.path, FileFaultReason(fault)});
    if (fault.reason == FileFault::Reason::SystemError && fault.systemError == ENOENT)
        return FormatMessage(QRNConsts::sFileNotFound, {fault.path});
    return FormatMessage(QRNConsts::sFileNotReadable, {fault.path, FileFaultReason(fault)});
}

std::string DateTimeFaultMessage(const DateTimeFault& fault)
{
    return FormatMessage(QRNConsts::sNotValidDateTime, {fault.text});
}

std::string EdgeFileFaultMessage(const EdgeFileFault& fault)
{
    switch (fault.reason) {
    case EdgeFileFault::Reason::SchemeTooLarge:
        return FormatMessage(QRNConsts::sSchemeFileTooLarge,
                             {fault.file.path, std::to_string(fault.file.limitBytes / 1024)});
    case EdgeFileFault::Reason::SchemeInUtf16:
        return FormatMessage(QRNConsts::sSchemeFileInUtf16, {fault.file.path, fault.encoding});
    case EdgeFileFault::Reason::SchemeIsWorkbook:
        return FormatMessage(QRNConsts::sSchemeFileIsWorkbook, {fault.file.path});
    case EdgeFileFault::Reason::SchemeHasNul:
        return FormatMessage(QRNConsts::sSchemeFileNotRead,
                             {fault.file.path, FormatMessage(QRNConsts::sReasonNulByte, {std::to_string(fault.line)})});
    case EdgeFileFault::Reason::SettingsHasNul:
        return FormatMessage(QRNConsts::sSettingsNotRead,
                             {fault.file.path, FormatMessage(QRNConsts::sReasonNulByte, {std::to_string(fault.line)})});
    case EdgeFileFault::Reason::SettingsNotRead: break;
    }
    return FormatMessage(QRNConsts::sSettingsNotRead, {fault.file.path, FileFaultReason(fault.file)});
}

std::string CharsetFaultMessage(const CharsetFault& fault)
{
    return FormatMessage(QRNConsts::sUnknownCharset, {fault.charset});
}

std::string FileSystemErrorMessage(const std::filesystem::filesystem_error& error)
{
    const std::string reason = DescribeSystemError(error.code().value());
    if (error.path1().empty()) return FormatMessage(QRNConsts::sFileSystemError, {reason});
    return FormatMessage(QRNConsts::sFileSystemFailed, {error.path1().string(), reason});
}

std::string UserMessage(const std::exception& error)
{
    if (const auto* fault = dynamic_cast<const FileFault*>(&error)) return FileFaultMessage(*fault);
    if (const auto* fault = dynamic_cast<const DateTimeFault*>(&error)) return DateTimeFaultMessage(*fault);
    if (const auto* fault = dynamic_cast<const WorkbookFault*>(&error)) return WorkbookFaultMessage(*fault);
    if (const auto* fault = dynamic_cast<const EdgeFileFault*>(&error)) return EdgeFileFaultMessage(*fault);
    if (const auto* fault = dynamic_cast<const CharsetFault*>(&error)) return CharsetFaultMessage(*fault);
    if (dynamic_cast<const std::bad_alloc*>(&error)) return QRNConsts::sOutOfMemory;
    if (const auto* fault = dynamic_cast<const std::filesystem::filesystem_error*>(&error))
        return FileSystemErrorMessage(*fault);
    return error.what();
}
