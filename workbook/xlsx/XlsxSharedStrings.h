#pragma once

#include "workbook/SheetCells.h"

#include <string>

class ZipArchive;

// Reads the shared-string table, in order, into the sheet's own table.
void ReadXlsxSharedStrings(ZipArchive& archive, const std::string& part, SheetCells& cells);
