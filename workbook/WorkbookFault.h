#pragma once

#include <stdexcept>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a reader found wrong, by the words the user is told.
enum class ReadReason {
    FileNotFound,
    SystemError,  // the system refused: WorkbookFault::systemError says why
    LibraryError, // a library refused, in its own words (the first detail)
    IsFolder,
    NotRegularFile,
    EmptyFile,
    NotWorkbook,
    NoSpreadsheet,
    PrereleaseFormat,
    Encrypted,
    TooManyCells,         // detail: the limit
    TooMuchText,          // detail: the limit in MiB
    CellTextTooLong,      // detail: the limit in MiB
    TooManySharedStrings, // detail: the limit
    TooManyAttributes,    // details: the part, the limit
    FirstSheetNotCells,
    FirstSheetMacros,
    SheetForeignNamespace, // detail: the namespace
    NoSheets,
    SheetNotFound,
    NotAWorksheet, // detail: the part
    SheetIdTwice,  // detail: the relationship id
    OleDamaged,
    OleStreamTooLarge, // details: the stream, the size it claims, the file's size
    NoWorkbookStream,
    WorkbookStreamDamaged,
    RecordTooShort,
    FileTruncated,
    ZipDamaged,
    DuplicateEntry, // detail: the entry
    PartMissing,    // detail: the part
    PartDamaged,    // detail: the part
    PartTooLarge,   // detail: the part
    XmlMalformed,   // details: the part, the line
    XmlDoctype,     // detail: the part
    XmlEncoding,    // details: the part, the encoding it declares
    OutOfMemory,
    BadCellReference,  // detail: the reference
    CellOutOfSheet,    // details: row, column
    BadSharedString,   // detail: the index
    BadDateValue,      // detail: the text that is no ISO date, time or duration
    NoSuchSheet,       // details: the sheet asked for, then the names of the sheets there are
    CsvQuoteNotClosed, // detail: the line the quoted field starts on
    CsvUtf16Odd,
    CsvTooManyFields, // details: the line, the limit
};

// Why a workbook cannot be read: the one fault of the readers. They raise it
// where they find the fault, without the file's name, which OpenWorkbook adds;
// it holds no text for the user: WorkbookFaultMessage says it in Russian.
class WorkbookFault : public std::runtime_error {
public:
    // How the fault is put to the user.
    enum class Kind { Missing, Unreadable, Broken, Encrypted, Unsupported, TooLarge, NoSuchSheet, OutOfMemory };

    WorkbookFault(Kind kind, ReadReason reason, std::vector<std::string> details = {})
        : std::runtime_error("workbook cannot be read"), kind(kind), reason(reason), details(std::move(details))
    {
    }

    Kind kind;
    ReadReason reason;
    std::vector<std::string> details;
    int systemError = 0;
    std::string path;
};

using FaultDetails = std::initializer_list<std::string_view>;

[[noreturn]] inline void ThrowBroken(ReadReason reason, FaultDetails details = {})
{
    throw WorkbookFault(WorkbookFault::Kind::Broken, reason, {details.begin(), details.end()});
}

[[noreturn]] inline void ThrowUnsupported(ReadReason reason, FaultDetails details = {})
{
    throw WorkbookFault(WorkbookFault::Kind::Unsupported, reason, {details.begin(), details.end()});
}

[[noreturn]] inline void ThrowEncrypted()
{
    throw WorkbookFault(WorkbookFault::Kind::Encrypted, ReadReason::Encrypted);
}

// The system would not let the file be read; `error` is its errno.
[[noreturn]] inline void ThrowUnreadable(int error)
{
    WorkbookFault fault(WorkbookFault::Kind::Unreadable, ReadReason::SystemError);
    fault.systemError = error;
    throw fault;
}
