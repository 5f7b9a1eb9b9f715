#include "workbook/CellSink.h"

#include "workbook/SheetExtent.h"
#include "workbook/WorkbookFault.h"

#include <algorithm>

namespace {

// How often a read looks whether it should stop: often enough to stop within
// a few milliseconds, rarely enough to cost nothing.
constexpr std::size_t kCellsPerStopLook = 4096;

bool ValidPosition(int row, int column)
{
    return row >= 1 && column >= 1 && column <= CellSink::kMaxColumn;
}

} // namespace

CellSink::CellSink(const Regional& regional, bool date1904, const ReadBudget& budget)
    : formatter_(regional, date1904), budget_(budget), maxCells_(std::min(budget.maxCells, kMaxCells))
{
}

void CellSink::SetBudget(const ReadBudget& budget)
{
    budget_ = budget;
    maxCells_ = std::min(budget.maxCells, kMaxCells);
}

void CellSink::SetText(int row, int column, std::string_view text)
{
    if (!ValidPosition(row, column)) return;
    CountText(text.size());
    CountCell();
    StoreText(row, column, text);
}

void CellSink::SetSharedString(int row, int column, std::uint32_t index)
{
    sharedWanted_ = std::max<std::size_t>(sharedWanted_, std::size_t{index} + 1);
    if (index >= sharedStrings_.Size() && sharedSource_) sharedSource_(std::size_t{index} + 1);
    Store(row, column, {CellValue::Kind::Shared, NumberStyle::Plain, 0, index});
}

void CellSink::SetNumber(int row, int column, double value, NumberStyle style)
{
    Store(row, column, {CellValue::Kind::Number, style, value, 0});
}

void CellSink::SetDateTime(int row, int column, double dateTime)
{
    Store(row, column, {CellValue::Kind::DateTime, NumberStyle::Plain, dateTime, 0});
}

void CellSink::Store(int row, int column, const CellValue& value)
{
    if (!ValidPosition(row, column)) return;
    CountCell();
    StoreValue(row, column, value);
}

void CellSink::SetSharedStrings(const std::vector<std::string>& table)
{
    sharedStrings_.Clear();
    for (const std::string& text : table) AddSharedString(text);
}

void CellSink::AddSharedString(std::string_view text)
{
    if (sharedStrings_.Size() >= budget_.maxSharedStrings)
        ThrowOverBudget(ReadReason::TooManySharedStrings, budget_.maxSharedStrings);
    CountText(text.size());
    sharedStrings_.Add(text);
}

void CellSink::RequireTextRoom(std::size_t heldBytes) const
{
    if (heldBytes > budget_.maxTextBytes - std::min(textBytes_, budget_.maxTextBytes))
        ThrowOverBudget(ReadReason::TooMuchText, budget_.maxTextBytes >> 20);
}

void CellSink::CountCell()
{
    if (cellCount_ >= maxCells_) ThrowTooManyCells(maxCells_);
    if (++cellCount_ % kCellsPerStopLook == 0 && stop_.Requested()) throw ReadingStopped();
}

void CellSink::CountText(std::size_t bytes)
{
    if (bytes > kMaxCellTextBytes) ThrowOverBudget(ReadReason::CellTextTooLong, kMaxCellTextBytes >> 20);
    textBytes_ += bytes;
    if (textBytes_ > budget_.maxTextBytes) ThrowOverBudget(ReadReason::TooMuchText, budget_.maxTextBytes >> 20);
}

void ThrowTooManyCells(std::size_t limit)
{
    throw WorkbookFault(WorkbookFault::Kind::TooLarge, ReadReason::TooManyCells, {std::to_string(limit)});
}
