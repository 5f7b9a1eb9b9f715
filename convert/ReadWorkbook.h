#pragma once

#include "base/Regional.h"
#include "convert/RunInputs.h"
#include "convert/RunWorkbook.h"
#include "workbook/SheetChoice.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What the front ends read of a run's workbook besides its rows. A workbook
// that cannot be read raises the reader's fault, which UserMessage words
// naming the file.

// Whether the strict layout would leave out what the sheet holds, judged on
// its first rows under the header row: a header text after the first empty
// header cell, or a filled row below the first row whose column-1 cell is
// empty.
inline constexpr int kLayoutRowsLookedAt = 1000;
bool StrictLayoutLosesRows(const RunWorkbook& workbook, const SheetChoice& sheet, int headerRow);

// The first data rows, from `firstRow`, that the automatic mapping looks at
// (the cell texts by column).
inline constexpr int kMappingRowsLookedAt = 100;
std::vector<std::vector<std::string>> ReadMappingRows(const RunWorkbook& workbook, const SheetChoice& sheet,
                                                      int firstRow);

// The column names of the header row of a workbook the caller holds no
// RunWorkbook of, opened for this read alone.
std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional,
                                                 const SheetChoice& sheet = {}, int headerRow = 1);
