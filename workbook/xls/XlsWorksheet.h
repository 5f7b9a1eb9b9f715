#pragma once

#include "workbook/SheetCells.h"
#include "workbook/xls/XlsGlobals.h"

#include <string_view>

// Reads the cells of the workbook's first sheet into the sheet. Raises
// XlsFault: unsupported when that sheet is a chart, dialog or macro sheet;
// broken when its BOF is not where BOUNDSHEET says, its records run past the
// stream or lack their EOF, or a cell lies beyond the 256 columns of a sheet.
void ReadXlsFirstSheet(std::string_view stream, const XlsGlobals& globals, SheetCells& sheet);
