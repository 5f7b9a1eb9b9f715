#include "workbook/CellSink.h"

#include "workbook/NumberFormats.h"
#include "workbook/ReadSheet.h"
#include "workbook/WorkbookFault.h"

#include <algorithm>

namespace {

bool ValidPosition(int row, int column)
{
    return row >= 1 && column >= 1 && column <= CellSink::kMaxColumn;
}

} // namespace

CellSink::CellSink(const Regional& regional, bool date1904, const ReadBudget& budget)
    : regional_(regional), date1904_(date1904), budget_(budget), maxCells_(std::min(budget.maxCells, kMaxCells))
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
    Store(row, column, {Kind::Shared, NumberStyle::Plain, 0, index});
}

void CellSink::SetNumber(int row, int column, double value, NumberStyle style)
{
    Store(row, column, {Kind::Number, style, value, 0});
}

void CellSink::SetDateTime(int row, int column, double dateTime)
{
    Store(row, column, {Kind::DateTime, NumberStyle::Plain, dateTime, 0});
}

void CellSink::Store(int row, int column, const Value& value)
{
    if (!ValidPosition(row, column)) return;
    CountCell();
    StoreValue(row, column, value);
}

void CellSink::SetSharedStrings(const std::vector<std::string>& table)
{
    shared_.Clear();
    for (const std::string& text : table) AddSharedString(text);
}

void CellSink::AddSharedString(std::string_view text)
{
    if (sharedCancelled_.load()) throw ReadingStopped();
    if (shared_.Size() >= budget_.maxSharedStrings)
        ThrowOverBudget(ReadReason::TooManySharedStrings, budget_.maxSharedStrings);
    CountText(text.size());
    shared_.Add(text);
    // A cell waiting for this string counted itself before it last looked,
    // so either it sees the string or this sees it waiting; the lock keeps
    // the wake-up from falling between its look and its wait.
    if (sharedWaiters_.load() > 0) {
        const std::lock_guard lock(sharedLock_);
        sharedAdded_.notify_all();
    }
}

std::size_t CellSink::SharedStringCount() const
{
    return shared_.Size();
}

void CellSink::OpenSharedStrings()
{
    const std::lock_guard lock(sharedLock_);
    sharedOpen_ = true;
}

void CellSink::CloseSharedStrings(std::exception_ptr failure)
{
    {
        const std::lock_guard lock(sharedLock_);
        sharedOpen_ = false;
        sharedFailure_ = failure;
    }
    sharedAdded_.notify_all();
}

void CellSink::CancelSharedStrings()
{
    sharedCancelled_.store(true);
}

std::string CellSink::SharedText(std::uint32_t index) const
{
    if (index < shared_.Size()) return std::string(shared_.Get(index));
    std::unique_lock lock(sharedLock_);
    ++sharedWaiters_;
    sharedAdded_.wait(lock, [&] { return !sharedOpen_ || index < shared_.Size(); });
    --sharedWaiters_;
    if (index < shared_.Size()) return std::string(shared_.Get(index));
    if (sharedFailure_) std::rethrow_exception(sharedFailure_);
    return {};
}

std::string CellSink::TextOf(const Value& value) const
{
    switch (value.kind) {
    case Kind::Shared: return SharedText(value.index);
    case Kind::Number: return NumberCellText(value.number, value.style, date1904_, regional_);
    case Kind::DateTime: return DateTimeCellText(value.number, regional_);
    }
    return {};
}

void CellSink::RequireTextRoom(std::size_t heldBytes) const
{
    if (heldBytes > budget_.maxTextBytes - std::min(textBytes_.load(), budget_.maxTextBytes))
        ThrowOverBudget(ReadReason::TooMuchText, budget_.maxTextBytes >> 20);
}

void CellSink::CountCell()
{
    if (cellCount_ >= maxCells_) ThrowTooManyCells(maxCells_);
    ++cellCount_;
}

void CellSink::CountText(std::size_t bytes)
{
    if (bytes > kMaxCellTextBytes) ThrowOverBudget(ReadReason::CellTextTooLong, kMaxCellTextBytes >> 20);
    if (textBytes_.fetch_add(bytes) + bytes > budget_.maxTextBytes)
        ThrowOverBudget(ReadReason::TooMuchText, budget_.maxTextBytes >> 20);
}

void ThrowTooManyCells(std::size_t limit)
{
    throw WorkbookFault(WorkbookFault::Kind::TooLarge, ReadReason::TooManyCells, {std::to_string(limit)});
}
