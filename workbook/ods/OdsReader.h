#pragma once

#include "workbook/ReadBudget.h"
#include "workbook/Workbook.h"

#include <memory>

class ZipArchive;

// Reads the first table of an OpenDocument spreadsheet (content.xml).
// WorkbookFault when the package is another kind of OpenDocument file, is
// password-protected, or its content is damaged.
std::unique_ptr<Workbook> ReadOdsWorkbook(ZipArchive& archive, const Regional& regional, const ReadBudget& budget);
