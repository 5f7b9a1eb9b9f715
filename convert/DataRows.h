#pragma once

#include "workbook/Workbook.h"

// The number of data rows: rows 2, 3, ... up to the first row whose cell in
// column 1 is empty. Rows after that gap are never read, whatever they hold.
int CountDataRows(const Workbook& workbook);
