#include "workbook/SheetRows.h"

namespace {

// Rows between two looks at the stop request.
constexpr int kRowsPerStopLook = 256;

} // namespace

const SheetRow* HeldSheetRows::Next()
{
    // No row is handed out once a stop is asked for; a long stretch of
    // empty rows looks again as it goes.
    if (stop_.Requested()) return nullptr;
    const int lastRow = workbook_.LastRow();
    for (; next_ <= lastRow; ++next_) {
        if (next_ % kRowsPerStopLook == 0 && stop_.Requested()) return nullptr;
        row_.Start(next_);
        workbook_.ForEachCellInRow(next_, [&](int column, const std::string& text) { row_.Add(column, text); });
        if (!row_.Empty()) {
            ++next_;
            return &row_;
        }
    }
    return nullptr;
}

RowProgress HeldSheetRows::Progress() const
{
    return {workbook_.LastRow(), 0};
}

int HeldSheetRows::ReadToEnd()
{
    // The sheet is in memory: what only reading it whole finds is found.
    int last = 0;
    while (const SheetRow* row = Next()) last = row->Number();
    return last;
}
