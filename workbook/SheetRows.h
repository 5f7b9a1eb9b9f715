#pragma once

#include "base/StopRequest.h"
#include "workbook/SheetRow.h"
#include "workbook/Workbook.h"

#include <exception>

// How far a reading of rows has come, for a progress bar: the last row the
// sheet declares (0 when it declares none), else the share of it read.
struct RowProgress {
    int declaredLastRow = 0;
    double shareRead = 0;
};

// The chosen sheet of a workbook row by row, in row order: each row that
// holds a cell, with the same texts Workbook gives.
class SheetRows {
public:
    virtual ~SheetRows() = default;

    // The next row, valid until the next call; nullptr after the last. Raises
    // what reading the sheet raised, after the rows read before it.
    virtual const SheetRow* Next() = 0;

    // Reads the rest of the sheet without keeping it, so that what only the
    // whole sheet shows (damage further on, rows out of order) is found as
    // when the sheet is read at once; raises it. Returns the number of the
    // last row it passed over that holds a cell, 0 when there was none.
    virtual int ReadToEnd() = 0;

    virtual RowProgress Progress() const = 0;

    // What reading the sheet found odd and read anyway; whole once the rows
    // have ended (Next gave nullptr, or ReadToEnd returned).
    virtual ReadWarnings Warnings() const = 0;
};

// A sheet whose rows or cells come out of order in the file cannot be given
// row by row: read it whole (OpenWorkbook) and take the rows from memory.
class SheetOutOfOrder : public std::exception {
public:
    const char* what() const noexcept override { return "sheet rows out of order"; }
};

// The rows of a sheet already in memory; they end early once `stop` is
// requested.
class HeldSheetRows : public SheetRows {
public:
    explicit HeldSheetRows(const Workbook& workbook, const StopRequest& stop = {}) : workbook_(workbook), stop_(stop) {}

    const SheetRow* Next() override;
    int ReadToEnd() override;
    RowProgress Progress() const override;
    ReadWarnings Warnings() const override { return workbook_.ReadingWarnings(); }

private:
    const Workbook& workbook_;
    StopRequest stop_;
    int next_ = 1;
    SheetRow row_;
};
