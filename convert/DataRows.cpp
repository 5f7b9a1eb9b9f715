#include "convert/DataRows.h"

#include "convert/FieldCell.h"
#include "scheme/ArticleFromName.h"

#include <algorithm>

namespace {

// The scale of the progress bar when the sheet does not say how many rows it
// has.
constexpr int kShareSteps = 1000;

// Blanks and tabs at either end; line breaks inside stay.
std::string_view TrimmedBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

DataRows::DataRows(SheetRows& rows, const RunInputs& inputs, const FieldColumns& fields, RestOfSheet rest,
                   PassedOverSink passedOver)
    : DataRows(rows, inputs.layout.HeaderRow(), rest)
{
    articleFromName_ = fields.ArticleFromNameColumns();
    sorter_ = inputs.layout.RowFilter(inputs, fields);
    if (!sorter_) return;
    passedOver_ = std::move(passedOver);
    firstDataRow_ = inputs.layout.FirstDataRow();
    if (!inputs.layout.MergedDown().empty()) mergedDown_.emplace(inputs.layout.MergedDown());
    barcodeColumn_ = fields.Of("EAN13").column;
    isbnColumn_ = fields.Of("ISBN").column;
}

const SheetRow* DataRows::NextUnderHeader()
{
    if (!shapeLearnt_) {
        shapeLearnt_ = true;
        // Rows without mapped text are read ahead too, but not without end.
        constexpr std::size_t kAheadAtMost = 10 * SupplierRowSorter::kShapeRows;
        std::vector<SheetRow> sample;
        while (sample.size() < SupplierRowSorter::kShapeRows && ahead_.size() < kAheadAtMost) {
            const SheetRow* row = rows_.Next();
            if (!row) {
                sheetEnded_ = true;
                break;
            }
            if (row->Number() < firstDataRow_) continue;
            ahead_.push_back(mergedDown_ ? mergedDown_->Fill(*row) : *row);
            if (sorter_->MayBeAProduct(ahead_.back())) sample.push_back(ahead_.back());
        }
        sorter_->LearnShape(sample);
    }
    if (ahead_.empty()) {
        const SheetRow* row = sheetEnded_ ? nullptr : rows_.Next();
        return row && mergedDown_ ? &mergedDown_->Fill(*row) : row;
    }
    current_ = std::move(ahead_.front());
    ahead_.pop_front();
    return &current_;
}

const SheetRow* DataRows::NextSupplierRow()
{
    for (const SheetRow* row = NextUnderHeader(); row; row = NextUnderHeader()) {
        if (row->Number() < firstDataRow_) continue;
        expected_ = row->Number() + 1;
        if (const std::optional<PassedOver> reason = sorter_->Sort(*row)) {
            if (passedOver_) passedOver_(*row, *reason, sorter_->Group());
            continue;
        }
        return Composed(*row, true);
    }
    return nullptr;
}

const SheetRow* DataRows::Composed(const SheetRow& row, bool supplier)
{
    // The reserved columns follow the sheet's own, the group's first.
    const int groupColumn = supplier ? sorter_->GroupColumn() : 0;
    const int fromNameColumn = articleFromName_.column;
    const int reserved = groupColumn != 0 ? groupColumn : fromNameColumn;
    composed_.Start(row.Number());
    std::string_view name;
    // Texts without the blanks a supplier pads them with (1C indents the
    // names of a group's products).
    row.ForEachCell([&](int column, std::string_view text) {
        if (column == articleFromName_.nameColumn) name = text;
        if (reserved != 0 && column >= reserved) return;
        if (!supplier) composed_.Add(column, text);
        else if (column == barcodeColumn_) composed_.Add(column, BarcodeOfCell(TrimmedBlanks(text)));
        else if (column == isbnColumn_) composed_.Add(column, IsbnOfCell(TrimmedBlanks(text)));
        else composed_.Add(column, TrimmedBlanks(text));
    });
    if (groupColumn != 0) composed_.Add(groupColumn, sorter_->Group());
    if (fromNameColumn != 0) composed_.Add(fromNameColumn, ArticleFromName(name));
    return &composed_;
}

const SheetRow* DataRows::Next()
{
    if (ended_) return nullptr;
    if (sorter_) {
        if (const SheetRow* row = NextSupplierRow()) return row;
        ended_ = true;
        if (shownTo_) shownTo_->ProgressPosition(maximum_);
        return nullptr;
    }
    const SheetRow* row = rows_.Next();
    while (row && row->Number() <= headerRow_) row = rows_.Next();
    if (row && row->Number() == expected_ && !row->CellText(1).empty()) {
        ++expected_;
        return articleFromName_.column != 0 ? Composed(*row, false) : row;
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
