#pragma once

#include <string>

// Why a reader refuses a workbook, raised deep inside the readers where the
// file's name is not at hand; OpenWorkbook turns it into the user's error
// naming the file. The reason is a Russian text.
struct WorkbookFault {
    enum class Kind { Broken, Encrypted, Unsupported };

    Kind kind;
    std::string reason;
};

[[noreturn]] inline void ThrowBroken(std::string reason)
{
    throw WorkbookFault {WorkbookFault::Kind::Broken, std::move(reason)};
}

[[noreturn]] inline void ThrowUnsupported(std::string reason)
{
    throw WorkbookFault {WorkbookFault::Kind::Unsupported, std::move(reason)};
}
