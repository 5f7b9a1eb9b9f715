#pragma once

#include "workbook/CellSink.h"
#include "workbook/xls/XlsGlobals.h"

#include <cstddef>
#include <string_view>

// Reads the cells of one of the workbook's sheets into `cells`. Raises
// WorkbookFault: unsupported when that sheet is a chart, dialog or macro sheet;
// broken when its BOF is not where BOUNDSHEET says, its records run past the
// stream or lack their EOF, or a cell lies beyond the 256 columns of a sheet.
void ReadXlsSheet(std::string_view stream, const XlsGlobals& globals, const XlsGlobals::Sheet& sheet, CellSink& cells);

// Reads the cells of the worksheet whose BOF record is at the offset, as
// above; the globals give its formats, charset and date system.
void ReadXlsWorksheet(std::string_view stream, std::size_t bofOffset, const XlsGlobals& globals, CellSink& sheet);
