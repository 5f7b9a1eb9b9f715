#pragma once

#include "base/Regional.h"
#include "convert/RunInputs.h"
#include "workbook/SheetChoice.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// What the front ends read of a workbook outside a run. A workbook that
// cannot be read raises the reader's fault, which UserMessage words naming
// the file.

// The column names of the workbook (the header row of the chosen sheet),
// reading no further; raises as above.
std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional,
                                                 const SheetChoice& sheet = {}, int headerRow = 1);

// Writes every cell of the sheet as DumpCells does, reading it row by row.
// When the rows turn out to come out of order in the file after some lines
// were written, calls `startsOver` and writes the whole sheet again; raises
// as above.
void DumpWorkbookCells(const std::string& path, const Regional& regional, const SheetChoice& sheet, std::ostream& out,
                       const std::function<void()>& startsOver);

// The columns of a run in the layout: the names (ReadWorkbookColumnNames in
// the strict layout, SupplierHeader's in the supplier layout, followed there
// by the reserved group column when `forRun`), which of them the sheet hides
// (supplier layout only) and the first data row (0: the row after the header
// row). Raises as above.
struct WorkbookColumns {
    std::vector<std::string> names;
    std::vector<bool> hidden;
    int firstDataRow = 0;
};
WorkbookColumns ReadWorkbookColumns(const std::string& path, const Regional& regional, const SheetChoice& sheet,
                                    int headerRow, SheetLayout layout, bool forRun);

// Whether the strict layout would leave out what the sheet holds, judged on
// its first rows under the header row: a header text after the first empty
// header cell, or a filled row below the first row whose column-1 cell is
// empty. Raises as above.
inline constexpr int kLayoutRowsLookedAt = 1000;
bool StrictLayoutLosesRows(const std::string& path, const Regional& regional, const SheetChoice& sheet, int headerRow);

// The first data rows, from `firstRow`, that the automatic mapping looks at
// (the cell texts by column); raises as above.
inline constexpr int kMappingRowsLookedAt = 100;
std::vector<std::vector<std::string>> ReadMappingRows(const std::string& path, const Regional& regional,
                                                      const SheetChoice& sheet, int firstRow);

// The worksheets of the workbook; raises as above.
std::vector<SheetEntry> ReadWorkbookSheets(const std::string& path);

// The sheet a user typed, resolved among the workbook's worksheets
// (ResolveTypedSheet); "" stays the first sheet without reading anything.
// Raises as above.
SheetChoice ResolveWorkbookSheet(const std::string& path, const std::string& typed);
