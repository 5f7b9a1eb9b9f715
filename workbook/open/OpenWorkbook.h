#pragma once

#include "base/Regional.h"
#include "base/StopRequest.h"
#include "workbook/CellReference.h"
#include "workbook/CellSink.h"
#include "workbook/SheetChoice.h"
#include "workbook/SheetExtent.h"
#include "workbook/SheetRows.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookFile.h"

#include <memory>
#include <string>
#include <vector>

// Reading a workbook file, whatever its format: the reader is chosen by the
// file's content (not its extension) and reads within the budget the file's
// size allows. Every function here raises WorkbookFault, naming the file,
// when the file is missing, unreadable, damaged, password-protected, too
// large, not a workbook or holds no such sheet.
//
// Each reads a file opened once (OpenWorkbookFile), which any number of reads
// share; the same function given a path opens the file for that read alone.

// Reads the chosen sheet (by default the first in workbook order, hidden or
// not) into the sink.
void ReadSheet(const WorkbookFile& workbook, CellSink& sink, SheetExtent extent = SheetExtent::Whole,
               const SheetChoice& choice = {});

// The worksheets of the workbook, in workbook order.
std::vector<SheetEntry> ListSheets(const WorkbookFile& workbook);

// Reads the chosen sheet whole into memory; once `stop` is requested, only as
// far as it came.
std::unique_ptr<Workbook> OpenWorkbook(const WorkbookFile& workbook, const Regional& regional,
                                       const SheetChoice& choice = {}, const StopRequest& stop = {});

// Reads the chosen sheet on a thread of its own, up to a few thousand rows
// ahead of the caller, so that reading and the caller's work on the rows
// share two cores while memory holds only the rows in between. Raises the
// faults above from Next or ReadToEnd when it finds them on the way, and
// SheetOutOfOrder. Once `stop` is requested, the rows end at the next batch
// and the reading thread ends with them.
std::unique_ptr<SheetRows> StreamSheetRows(const WorkbookFile& workbook, const Regional& regional,
                                           const SheetChoice& choice = {}, const StopRequest& stop = {});

// The cell texts of one row, by default row 1 (item i is column i + 1, "" for
// a column without a cell, up to its last cell), reading no further into the
// sheet than that row and, in an xlsx, no more of the shared strings than the
// rows up to it refer to.
std::vector<std::string> ReadHeaderRow(const WorkbookFile& workbook, const Regional& regional,
                                       const SheetChoice& choice = {}, int row = 1);

// The same for rows 1 to `count`, item r - 1 for row r.
std::vector<std::vector<std::string>> ReadFirstRows(const WorkbookFile& workbook, const Regional& regional,
                                                    const SheetChoice& choice, int count);

// The rows `first` to `last` (item r - first for row r), the merged ranges
// that reach into them and the hidden columns (item c - 1 for column c, as
// far as the last hidden one). Reads the whole sheet, as the ranges stand
// after the cells.
struct SheetTop {
    std::vector<std::vector<std::string>> rows;
    std::vector<CellRange> merged;
    // Every range merged over several rows.
    std::vector<CellRange> mergedDown;
    std::vector<bool> hiddenColumns;
};
SheetTop ReadSheetTop(const WorkbookFile& workbook, const Regional& regional, const SheetChoice& choice, int first,
                      int last);

// The same for rows `first` to `last`, item r - first for row r.
std::vector<std::vector<std::string>> ReadRowRange(const WorkbookFile& workbook, const Regional& regional,
                                                   const SheetChoice& choice, int first, int last);

// The same, each opening the file at the path for itself.
void ReadSheet(const std::string& path, CellSink& sink, SheetExtent extent = SheetExtent::Whole,
               const SheetChoice& choice = {});
std::vector<SheetEntry> ListSheets(const std::string& path);
std::unique_ptr<Workbook> OpenWorkbook(const std::string& path, const Regional& regional,
                                       const SheetChoice& choice = {}, const StopRequest& stop = {});
std::unique_ptr<SheetRows> StreamSheetRows(const std::string& path, const Regional& regional,
                                           const SheetChoice& choice = {}, const StopRequest& stop = {});
std::vector<std::string> ReadHeaderRow(const std::string& path, const Regional& regional,
                                       const SheetChoice& choice = {}, int row = 1);
std::vector<std::vector<std::string>> ReadFirstRows(const std::string& path, const Regional& regional,
                                                    const SheetChoice& choice, int count);
SheetTop ReadSheetTop(const std::string& path, const Regional& regional, const SheetChoice& choice, int first,
                      int last);
std::vector<std::vector<std::string>> ReadRowRange(const std::string& path, const Regional& regional,
                                                   const SheetChoice& choice, int first, int last);
