#pragma once

#include "convert/MergedDown.h"
#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "convert/SupplierRows.h"
#include "workbook/SheetRows.h"

#include <deque>
#include <functional>
#include <memory>
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

    // The data rows of the run's sheet in the run's layout. In the supplier
    // layout they are every row from the first data row to the last, less
    // those SupplierRowSorter passes over, which go to `passedOver`; their
    // texts lose the blanks at either end, a barcode or an ISBN-10 kept as a
    // number gets its leading 0 back (BarcodeOfCell, IsbnOfCell), and when the scheme maps
    // kGroupColumn, that column holds the nearest group heading above. In
    // either layout, when the scheme gives the article kFromNameColumn, that
    // column holds the article made from the row's name (ArticleFromName).
    using PassedOverSink = std::function<void(const SheetRow& row, PassedOver reason, const std::string& group)>;
    DataRows(SheetRows& rows, const RunInputs& inputs, const FieldColumns& fields, RestOfSheet rest = RestOfSheet::Read,
             PassedOverSink passedOver = {});

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
    const SheetRow* NextSupplierRow();
    // The row with the cells the run adds: from the first reserved column on
    // only those; the supplier layout's texts trimmed.
    const SheetRow* Composed(const SheetRow& row, bool supplier);

    SheetRows& rows_;
    int headerRow_;
    int expected_;
    RestOfSheet rest_;
    bool ended_ = false;
    int maximum_ = -1;
    RunObserver* shownTo_ = nullptr;
    std::optional<UnreadRows> unread_;
    // The supplier layout's.
    std::unique_ptr<SupplierRowSorter> sorter_;
    PassedOverSink passedOver_;
    int firstDataRow_ = 0;
    // The first rows under the header, read ahead for the shape of the
    // list's products (SupplierRowSorter::LearnShape), then served in order.
    std::deque<SheetRow> ahead_;
    // The cells merged down, given to the rows they cover as they are read.
    std::optional<MergedDown> mergedDown_;
    bool shapeLearnt_ = false;
    bool sheetEnded_ = false;
    const SheetRow* NextUnderHeader();
    SheetRow current_;
    SheetRow composed_;
    int barcodeColumn_ = 0; // the EAN's, 0 when unmapped
    int isbnColumn_ = 0;
    FieldColumns::ArticleFromName articleFromName_;
};
