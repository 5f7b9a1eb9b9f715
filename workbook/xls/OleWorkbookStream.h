#pragma once

#include "workbook/WorkbookFile.h"

#include <string>

// The bytes of the workbook stream of an OLE2 compound file: "Workbook"
// (BIFF8) or, failing that, "Book" (BIFF5). Raises WorkbookFault: unreadable when
// the file cannot be opened, broken for a damaged container, encrypted for a
// password-protected OOXML package ("EncryptionInfo", "EncryptedPackage"),
// unsupported when there is no workbook stream.
std::string ReadOleWorkbookStream(const WorkbookFile& workbook);
