#pragma once

#include "base/Regional.h"
#include "workbook/SheetRow.h"
#include "workbook/Workbook.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

// How far a reading of rows has come, for a progress bar: the last row the
// sheet declares (0 when it declares none), else the share of it read.
struct RowProgress {
    int declaredLastRow = 0;
    double shareRead = 0;
};

// The first sheet of a workbook row by row, in row order: each row that holds
// a cell, with the same texts Workbook gives.
class SheetRows {
public:
    virtual ~SheetRows() = default;

    // The next row, valid until the next call; nullptr after the last. Raises
    // what reading the sheet raised, after the rows read before it.
    virtual const SheetRow* Next() = 0;

    // Reads the rest of the sheet without keeping it, so that what only the
    // whole sheet shows (damage further on, rows out of order) is found as
    // when the sheet is read at once; raises it.
    virtual void ReadToEnd() = 0;

    virtual RowProgress Progress() const = 0;
};

// A sheet whose rows or cells come out of order in the file cannot be given
// row by row: read it whole (OpenWorkbook) and take the rows from memory.
class SheetOutOfOrder : public std::exception {
public:
    const char* what() const noexcept override { return "sheet rows out of order"; }
};

// Reads the sheet of the workbook at the path on a thread of its own, a few
// hundred rows ahead of the caller, so that reading and the caller's work on
// the rows share two cores while memory holds only the rows in between.
// Raises WorkbookFault, naming the file, as OpenWorkbook does (from Next or
// ReadToEnd when it is found on the way), and SheetOutOfOrder.
std::unique_ptr<SheetRows> StreamSheetRows(const std::string& path, const Regional& regional,
                                           const SheetChoice& choice = {});

// The rows of a sheet already in memory.
class HeldSheetRows : public SheetRows {
public:
    explicit HeldSheetRows(const Workbook& workbook) : workbook_(workbook) {}

    const SheetRow* Next() override;
    void ReadToEnd() override {}
    RowProgress Progress() const override;

private:
    const Workbook& workbook_;
    int next_ = 1;
    SheetRow row_;
};

// The cell texts of one row, by default row 1 (item i is column i + 1, "" for
// a column without a cell, up to its last cell), reading no further into the
// sheet than that row and, in an xlsx, no more of the shared strings than the
// rows up to it refer to. Raises WorkbookFault, naming the file, as
// OpenWorkbook does for what it reads.
std::vector<std::string> ReadHeaderRow(const std::string& path, const Regional& regional,
                                       const SheetChoice& choice = {}, int row = 1);

// The same for rows 1 to `count`, item r - 1 for row r.
std::vector<std::vector<std::string>> ReadFirstRows(const std::string& path, const Regional& regional,
                                                    const SheetChoice& choice, int count);
