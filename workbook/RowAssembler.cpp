#include "workbook/RowAssembler.h"

#include "workbook/SheetRows.h"

RowAssembler::RowAssembler(const Regional& regional, RowReady ready)
    : CellSink(regional, false), ready_(std::move(ready))
{
}

void RowAssembler::Place(int row, int column)
{
    if (row < row_.Number()) throw SheetOutOfOrder();
    if (row > row_.Number()) {
        if (!row_.Empty()) ready_(row_);
        row_.Start(row);
        lastColumn_ = 0;
    }
    if (column <= lastColumn_) throw SheetOutOfOrder();
    lastColumn_ = column;
}

void RowAssembler::StoreText(int row, int column, std::string_view text)
{
    Place(row, column);
    if (!text.empty()) row_.Add(column, text);
}

void RowAssembler::StoreValue(int row, int column, const CellValue& value)
{
    Place(row, column);
    if (const std::string text = TextOf(value); !text.empty()) row_.Add(column, text);
}

void RowAssembler::Finish()
{
    if (!row_.Empty()) ready_(row_);
}

void RowAssembler::ReportConsumed(std::uint64_t done, std::uint64_t total)
{
    if (total > 0) shareRead_ = static_cast<double>(done) / static_cast<double>(total);
}
