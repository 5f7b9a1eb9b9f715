#pragma once

#include "base/Regional.h"
#include "base/StopRequest.h"
#include "catalogue/DocumentTypes.h"
#include "workbook/SheetChoice.h"
#include "workbook/SheetRows.h"
#include "workbook/WorkbookFile.h"
#include "workbook/open/OpenWorkbook.h"

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The workbook of a run, opened once. Everything the front ends and the run
// read of it, from listing its sheets to the conversion, reads this one open
// file; a read that must look again (the rows of a sheet read whole after
// they came out of order) reads it again, never another file that has taken
// its name meanwhile. Every read raises WorkbookFault, naming the file, as
// OpenWorkbook does.
class RunWorkbook {
public:
    // Raises WorkbookFault when there is no readable file at the path.
    RunWorkbook(const std::string& path, const Regional& regional);

    const std::string& Path() const { return workbook_.path; }
    const Regional& Formats() const { return regional_; }

    // Whether the file at the path is no longer the one opened: edited,
    // replaced or deleted since.
    bool Changed() const;

    // The worksheets, in workbook order.
    std::vector<SheetEntry> Sheets() const;

    // The sheet a user typed, resolved among the worksheets
    // (ResolveTypedSheet); "" stays the first sheet without reading anything.
    SheetChoice ResolveSheet(const std::string& typed) const;

    // The column names of the header row (ColumnNames), reading no further.
    std::vector<std::string> ColumnNames(const SheetChoice& sheet, int headerRow) const;

    // The rows `first` to `last` of the sheet, the cell texts by column.
    std::vector<std::vector<std::string>> Rows(const SheetChoice& sheet, int first, int last) const;

    // The same with the merged ranges reaching into them and the hidden
    // columns; reads the whole sheet, as the ranges follow the cells.
    SheetTop Top(const SheetChoice& sheet, int first, int last) const;

    // The header row as the automatic mapping finds it (FindHeaderRow) in the
    // first rows of the sheet; for every document type when none is given. 0
    // when no row gives a known name.
    int FindHeaderRow(const SheetChoice& sheet, std::optional<TDocumentType> type) const;

    // Calls `read` with the rows of the sheet as they are read, on a second
    // core. A sheet whose rows or cells come out of order in the file is then
    // read whole and `read` called again from the start on it, so that what
    // it finally sees is what reading the sheet at once gives.
    void ReadRows(const SheetChoice& sheet, const StopRequest& stop,
                  const std::function<void(SheetRows& rows)>& read) const;

    // Writes every cell of the sheet as DumpCells does, row by row; when the
    // rows turn out to come out of order after some lines were written, calls
    // `startsOver` and writes the whole sheet again.
    void Dump(const SheetChoice& sheet, std::ostream& out, const std::function<void()>& startsOver) const;

private:
    WorkbookFile workbook_;
    Regional regional_;
};
