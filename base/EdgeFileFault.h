#pragma once

#include "base/FileFault.h"

#include <stdexcept>
#include <utility>

// A scheme or settings file the program will not take as one, where saying
// only that the file could not be read would mislead: a scheme far too large
// is refused for its size, one in UTF-16 for its encoding, a workbook for being one, one holding a NUL byte for that,
// and settings that cannot be used are read as empty rather than refused. It holds no text for the user:
// EdgeFileFaultMessage says it in Russian.
class EdgeFileFault : public std::runtime_error {
public:
    enum class Reason {
        SchemeTooLarge,   // file.limitBytes is the largest scheme read
        SchemeInUtf16,    // encoding names which UTF-16
        SchemeIsWorkbook, // a zip or OLE2 container: a workbook chosen by mistake
        SettingsNotRead,  // every value then reads as its default; file says why
        SchemeHasNul,     // line is the line of the first NUL byte
        SettingsHasNul,   // as SettingsNotRead, for a NUL byte in that line
    };

    EdgeFileFault(Reason reason, FileFault file, std::string encoding = {}, int line = 0)
        : std::runtime_error("scheme or settings file not used"), reason(reason), file(std::move(file)),
          encoding(std::move(encoding)), line(line)
    {
    }

    Reason reason;
    FileFault file; // the path, and what kept the file from being read
    std::string encoding;
    int line = 0;
};
