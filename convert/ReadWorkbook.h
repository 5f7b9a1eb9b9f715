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

// The same for a workbook the caller holds no RunWorkbook of: each opens the
// file for itself.
std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional,
                                                 const SheetChoice& sheet = {}, int headerRow = 1);
RunLayout ReadRunLayout(const std::string& path, const Regional& regional, const SheetChoice& sheet, int headerRow,
                        SheetLayout layout);
bool StrictLayoutLosesRows(const std::string& path, const Regional& regional, const SheetChoice& sheet, int headerRow);
std::vector<std::vector<std::string>> ReadMappingRows(const std::string& path, const Regional& regional,
                                                      const SheetChoice& sheet, int firstRow);
std::vector<SheetEntry> ReadWorkbookSheets(const std::string& path);
int FindWorkbookHeaderRow(const std::string& path, const Regional& regional, const SheetChoice& sheet,
                          std::optional<TDocumentType> type);
