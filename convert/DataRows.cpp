#include "convert/DataRows.h"

#include <algorithm>

namespace {

// The scale of the progress bar when the sheet does not say how many rows it
// has.
constexpr int kShareSteps = 1000;

} // namespace

const SheetRow* DataRows::Next()
{
    if (ended_) return nullptr;
    const SheetRow* row = rows_.Next();
    while (row && row->Number() <= headerRow_) row = rows_.Next();
    if (row && row->Number() == expected_ && !row->CellText(1).empty()) {
        ++expected_;
        return row;
    }
    ended_ = true;
    // The bar stands full while the rest of the sheet is read through.
    if (shownTo_) shownTo_->ProgressPosition(maximum_);
    if (row && rest_ == RestOfSheet::Read) {
        // The rows from this one on hold cells but are not data rows.
        const int first = row->Number();
        unread_ = UnreadRows{expected_, first, std::max(first, rows_.ReadToEnd())};
    }
    return nullptr;
}

void DataRows::ShowProgress(RunObserver& observer)
{
    shownTo_ = &observer;
    const RowProgress progress = rows_.Progress();
    const int dataRows = progress.declaredLastRow - headerRow_;
    const int maximum = dataRows > 0 ? dataRows : kShareSteps;
    if (maximum != maximum_) {
        maximum_ = maximum;
        observer.ProgressMaximum(maximum);
    }
    const int position = dataRows > 0 ? expected_ - headerRow_ - 1 : static_cast<int>(progress.shareRead * kShareSteps);
    observer.ProgressPosition(std::clamp(position, 0, maximum));
}
