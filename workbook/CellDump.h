#pragma once

#include "workbook/Workbook.h"

#include <ostream>

// Writes every non-empty cell in row-major order, one line each:
// ROW<TAB>COLUMN<TAB>TEXT with 1-based numbers and the text's backslashes,
// tabs, line feeds and carriage returns escaped as \\, \t, \n and \r. This is
// the form the real-world workbook corpus keeps its expected cells in.
void DumpCells(const Workbook& workbook, std::ostream& out);
