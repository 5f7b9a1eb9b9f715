#pragma once

#include "workbook/ReadWarnings.h"

#include <functional>
#include <string>

// A sheet of a workbook (xls, xlsx, xlsm, ods, delimited text), read once and
// held in memory, giving the text of every cell as the spreadsheet application gave
// it under the user's regional formats:
// - an empty cell gives ""; a text cell its text unchanged;
// - a number its general decimal form (at most 15 significant digits, the
//   regional decimal separator, exponent form "1E15");
// - a date or date-time the regional short date, followed, when the time is not
//   midnight, by a blank and the regional long time; a time only the long time;
// - a boolean "True" or "False"; an error value its text ("#N/A");
// - a formula the value cached in the file.
class Workbook {
public:
    virtual ~Workbook() = default;

    // Row and column count from 1; a cell outside the sheet is empty.
    virtual std::string CellText(int row, int column) const = 0;

    // The last row holding a cell, and the last column holding a cell in a
    // row (0 when there is none); for listing every cell.
    virtual int LastRow() const = 0;
    virtual int LastColumn(int row) const = 0;

    // Calls `visit` with every cell whose text is not empty, row by row and
    // column by column. The default asks every position up to the last; a
    // sheet that knows where its cells are skips the gaps, which matters for a
    // sparse sheet with a cell far to the right.
    virtual void ForEachCell(const std::function<void(int row, int column, const std::string& text)>& visit) const;
    // The same for one row.
    virtual void ForEachCellInRow(int row, const std::function<void(int column, const std::string& text)>& visit) const;

    // What reading the sheet found odd and read anyway.
    virtual ReadWarnings ReadingWarnings() const { return {}; }
};
