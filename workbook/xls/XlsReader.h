#pragma once

#include "base/Regional.h"
#include "workbook/ReadBudget.h"
#include "workbook/Workbook.h"

#include <memory>
#include <string>

// Reads the first sheet of an .xls workbook (BIFF5 or BIFF8 in an OLE2
// compound file). Raises WorkbookFault when it is damaged,
// password-protected (also an encrypted OOXML package in OLE2), holds no
// workbook, or its first sheet holds no cells (chart, dialog or macro sheet).
std::unique_ptr<Workbook> ReadXlsWorkbook(const std::string& path, const Regional& regional,
                                          const ReadBudget& budget = ReadBudget::Ceiling());

// The same for an Excel 2.x-4.0 file: a bare BIFF2, BIFF3 or BIFF4 worksheet
// or BIFF4 workbook, read with the same cell texts.
std::unique_ptr<Workbook> ReadOldXlsWorkbook(const std::string& path, const Regional& regional,
                                             const ReadBudget& budget = ReadBudget::Ceiling());
