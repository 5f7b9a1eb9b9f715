#include "workbook/WorkbookFile.h"

#include "workbook/WorkbookFault.h"

#include <cerrno>

WorkbookFile OpenWorkbookFile(const std::string& path)
{
    const OpenedFile::Opening opening = OpenedFile::Open(path);
    try {
        switch (opening.outcome) {
        case OpenedFile::Outcome::Opened: return {path, opening.file};
        case OpenedFile::Outcome::Missing: throw WorkbookFault(WorkbookFault::Kind::Missing, ReadReason::FileNotFound);
        case OpenedFile::Outcome::Folder: throw WorkbookFault(WorkbookFault::Kind::Unreadable, ReadReason::IsFolder);
        // A FIFO would hold the program until someone writes into it, a
        // device could be read forever.
        case OpenedFile::Outcome::NotRegular:
            throw WorkbookFault(WorkbookFault::Kind::Unreadable, ReadReason::NotRegularFile);
        case OpenedFile::Outcome::Unreadable: ThrowUnreadable(opening.error);
        }
        ThrowUnreadable(EINVAL);
    } catch (WorkbookFault& fault) {
        fault.path = path;
        throw;
    }
}

std::string ReadWholeWorkbookFile(const WorkbookFile& workbook)
{
    std::optional<std::string> bytes = workbook.file->ReadAll();
    if (!bytes) ThrowUnreadable(errno);
    return std::move(*bytes);
}
