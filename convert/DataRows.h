#pragma once

#include "convert/RunObserver.h"
#include "workbook/SheetRows.h"

// The data rows of a sheet taken row by row: the rows after the header row
// (row 1 unless the user chose another) up to the first row whose cell in
// column 1 is empty; rows above the header row are passed over. Rows after that gap are never
// converted, whatever they hold; the rest of the sheet is still read through
// (SheetRows::ReadToEnd), so that damage or rows out of order anywhere in it
// end the run as when the sheet is read at once.
class DataRows {
public:
    explicit DataRows(SheetRows& rows, int headerRow = 1) : rows_(rows), headerRow_(headerRow), expected_(headerRow + 1)
    {
    }

    // The next data row, valid until the next call; nullptr after the last.
    const SheetRow* Next();

    // Moves the progress bar to the row last given: over the data rows the
    // sheet declares, or else over the share of the sheet read.
    void ShowProgress(RunObserver& observer);

private:
    SheetRows& rows_;
    int headerRow_;
    int expected_;
    bool ended_ = false;
    int maximum_ = -1;
};
