#pragma once

#include "base/OpenedFile.h"

#include <memory>
#include <string>

// A workbook file opened once: its name (for messages, for the sheet name of
// a one-sheet file and for the text formats' extensions) and the open file
// that every reader of it reads, each at a position of its own.
struct WorkbookFile {
    std::string path;
    std::shared_ptr<const OpenedFile> file;
};

// Opens the workbook file. Raises WorkbookFault, naming the file, when there
// is no file there, it is a folder or no regular file, or it cannot be read.
WorkbookFile OpenWorkbookFile(const std::string& path);

// The whole file as a format that is read at once takes it; raises as above
// when it cannot be read.
std::string ReadWholeWorkbookFile(const WorkbookFile& workbook);
