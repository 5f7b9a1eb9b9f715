#pragma once

#include "workbook/SheetRows.h"

#include <cstddef>
#include <ostream>

// Writes every non-empty cell in row-major order, one line each:
// ROW<TAB>COLUMN<TAB>TEXT with 1-based numbers and the text's backslashes,
// tabs, line feeds and carriage returns escaped as \\, \t, \n and \r, any
// other control character as \xHH (ShownText). This is
// the form the real-world workbook corpus keeps its expected cells in. Rows
// are written as they come, so a sheet read row by row is never held whole;
// `written` counts the lines as they go, also when reading fails on the way.
void DumpCells(SheetRows& rows, std::ostream& out, std::size_t& written);
