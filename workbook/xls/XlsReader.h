#pragma once

#include "base/Regional.h"
#include "workbook/Workbook.h"

#include <memory>
#include <string>

// Reads the first sheet of an .xls workbook (BIFF5 or BIFF8 in an OLE2
// compound file). Raises QuarnelError naming the file when it is damaged,
// password-protected (also an encrypted OOXML package in OLE2), holds no
// workbook, or its first sheet holds no cells (chart, dialog or macro sheet).
std::unique_ptr<Workbook> ReadXlsWorkbook(const std::string& path, const Regional& regional);
