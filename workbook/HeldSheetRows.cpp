#include "workbook/SheetRows.h"

const SheetRow* HeldSheetRows::Next()
{
    const int lastRow = workbook_.LastRow();
    for (; next_ <= lastRow; ++next_) {
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
