#pragma once

#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "workbook/SheetRows.h"

#include <optional>

// The data rows of a sheet taken row by row: the rows after the header row
// (row 1 unless the user chose another) up to the first row whose cell in
// column 1 is empty; rows above the header row are passed over. Rows after that gap are never
// converted, whatever they hold; the rest of the sheet is still read through
// (SheetRows::ReadToEnd), so that damage or rows out of order anywhere in it
// end the run as when the sheet is read at once.
class DataRows {
public:
    // Whether the rest of the sheet is read through after the data rows: a
    // look at the first rows (the preview) does without.
    enum class RestOfSheet { Read, Skip };

    explicit DataRows(SheetRows& rows, int headerRow = 1, RestOfSheet rest = RestOfSheet::Read)
        : rows_(rows), headerRow_(headerRow), expected_(headerRow + 1), rest_(rest)
    {
    }

    // The next data row, valid until the next call; nullptr after the last.
    const SheetRow* Next();

    // Moves the progress bar to the row last given: over the data rows the
    // sheet declares, or else over the share of the sheet read. Once shown,
    // the bar reaches its maximum when the data rows end.
    void ShowProgress(RunObserver& observer);

    // Once the data rows have ended: the rows below them that hold cells,
    // when the rest of the sheet was read and there were any.
    const std::optional<UnreadRows>& Unread() const { return unread_; }

private:
    SheetRows& rows_;
    int headerRow_;
    int expected_;
    RestOfSheet rest_;
    bool ended_ = false;
    int maximum_ = -1;
    RunObserver* shownTo_ = nullptr;
    std::optional<UnreadRows> unread_;
};
