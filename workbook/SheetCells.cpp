#include "workbook/SheetCells.h"

#include "workbook/NumberFormats.h"
#include "workbook/WorkbookFault.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kNoText = UINT64_MAX;

bool ValidPosition(int row, int column)
{
    return row >= 1 && column >= 1 && column <= SheetCells::kMaxColumn;
}

} // namespace

SheetCells::SheetCells(const Regional& regional, bool date1904, const ReadBudget& budget)
    : regional_(regional), date1904_(date1904), budget_(budget), maxCells_(std::min(budget.maxCells, kMaxCells))
{
    static_assert(sizeof(Cell) == 12);
}

SheetCells::Cell& SheetCells::Append(int row, int column, Kind kind)
{
    if (cells_.size() >= maxCells_) ThrowTooManyCells(maxCells_);
    const auto rowNumber = static_cast<std::uint32_t>(row);
    if (runs_.empty() || runs_.back().row != rowNumber) {
        if (!runs_.empty() && rowNumber < runs_.back().row) ordered_ = false;
        runs_.push_back({rowNumber, static_cast<std::uint32_t>(cells_.size())});
    } else if (column <= lastColumn_) {
        ordered_ = false;
    }
    lastColumn_ = column;
    Cell& cell = cells_.emplace_back();
    cell.column = static_cast<std::uint16_t>(column);
    cell.kind = kind;
    cell.style = static_cast<std::uint8_t>(NumberStyle::Plain);
    cell.Set<std::uint64_t>(0);
    return cell;
}

void SheetCells::SetText(int row, int column, std::string_view text)
{
    if (!ValidPosition(row, column)) return;
    if (text.empty()) {
        // An empty value still replaces what an earlier record stored there.
        if (!cells_.empty()) Append(row, column, Kind::Text).Set(kNoText);
        return;
    }
    CountText(text.size());
    Append(row, column, Kind::Text).Set(texts_.Add(text));
}

void SheetCells::SetSharedString(int row, int column, std::uint32_t index)
{
    if (!ValidPosition(row, column)) return;
    Append(row, column, Kind::Shared).Set(index);
}

void SheetCells::SetSharedStrings(std::vector<std::string> table)
{
    shared_.clear();
    shared_.reserve(table.size());
    for (const std::string& text : table) AddSharedString(text);
}

void SheetCells::AddSharedString(std::string_view text)
{
    if (shared_.size() >= budget_.maxSharedStrings)
        ThrowOverBudget(ReadReason::TooManySharedStrings, budget_.maxSharedStrings);
    CountText(text.size());
    shared_.push_back(sharedTexts_.Add(text));
}

void SheetCells::SetNumber(int row, int column, double value, NumberStyle style)
{
    if (!ValidPosition(row, column)) return;
    Cell& cell = Append(row, column, Kind::Number);
    cell.Set(value);
    cell.style = static_cast<std::uint8_t>(style);
}

void SheetCells::SetDateTime(int row, int column, double dateTime)
{
    if (!ValidPosition(row, column)) return;
    Append(row, column, Kind::DateTime).Set(dateTime);
}

void SheetCells::SetDate1904(bool date1904)
{
    date1904_ = date1904;
}

void SheetCells::SortCells()
{
    struct Entry {
        std::uint32_t row;
        std::uint32_t index;
        std::uint16_t column;
    };
    std::vector<Entry> order;
    order.reserve(cells_.size());
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const std::size_t end = r + 1 < runs_.size() ? runs_[r + 1].first : cells_.size();
        for (std::size_t i = runs_[r].first; i < end; ++i)
            order.push_back({runs_[r].row, static_cast<std::uint32_t>(i), cells_[i].column});
    }
    // Setting order breaks ties, so the last record of a position comes last.
    std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        if (a.row != b.row) return a.row < b.row;
        return a.column != b.column ? a.column < b.column : a.index < b.index;
    });

    std::deque<Cell> sorted;
    std::vector<RowRun> runs;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const bool replaced = k + 1 < order.size() && order[k + 1].row == order[k].row
            && order[k + 1].column == order[k].column;
        if (replaced) continue;
        if (runs.empty() || runs.back().row != order[k].row)
            runs.push_back({order[k].row, static_cast<std::uint32_t>(sorted.size())});
        sorted.push_back(cells_[order[k].index]);
    }
    cells_.swap(sorted);
    runs_.swap(runs);
}

void SheetCells::Finish()
{
    if (!ordered_) SortCells();

    // Drop the empty records and index the rows.
    const std::uint32_t lastRow = runs_.empty() ? 0 : runs_.back().row;
    rowStart_.assign(static_cast<std::size_t>(lastRow) + 2, 0);
    std::size_t kept = 0;
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const std::size_t end = r + 1 < runs_.size() ? runs_[r + 1].first : cells_.size();
        for (std::size_t i = runs_[r].first; i < end; ++i) {
            if (cells_[i].kind == Kind::Text && cells_[i].Get<std::uint64_t>() == kNoText) continue;
            cells_[kept++] = cells_[i];
            ++rowStart_[runs_[r].row + 1];
        }
    }
    cells_.resize(kept);
    cells_.shrink_to_fit();
    runs_ = {};
    for (std::size_t r = 1; r < rowStart_.size(); ++r) rowStart_[r] += rowStart_[r - 1];
    // Trailing rows whose records were all empty are no part of the sheet.
    while (rowStart_.size() > 2 && rowStart_[rowStart_.size() - 2] == rowStart_.back()) rowStart_.pop_back();
}

const SheetCells::Cell* SheetCells::Find(int row, int column) const
{
    if (row < 1 || column < 1 || row > LastRow()) return nullptr;
    const auto first = cells_.begin() + rowStart_[row];
    const auto last = cells_.begin() + rowStart_[row + 1];
    const auto found = std::lower_bound(first, last, column, [](const Cell& cell, int c) { return cell.column < c; });
    return found != last && found->column == column ? &*found : nullptr;
}

std::string SheetCells::TextOf(const Cell& cell) const
{
    switch (cell.kind) {
    case Kind::Text: return std::string(texts_.Get(cell.Get<std::uint64_t>()));
    case Kind::Shared: {
        const auto index = cell.Get<std::uint32_t>();
        return index < shared_.size() ? std::string(sharedTexts_.Get(shared_[index])) : std::string();
    }
    case Kind::Number:
        return NumberCellText(cell.Get<double>(), static_cast<NumberStyle>(cell.style), date1904_, regional_);
    case Kind::DateTime: return DateTimeCellText(cell.Get<double>(), regional_);
    }
    return {};
}

std::string SheetCells::CellText(int row, int column) const
{
    const Cell* cell = Find(row, column);
    return cell ? TextOf(*cell) : std::string();
}

void SheetCells::ForEachCell(const std::function<void(int row, int column, const std::string& text)>& visit) const
{
    for (int row = 1; row <= LastRow(); ++row)
        for (std::uint32_t i = rowStart_[row]; i < rowStart_[row + 1]; ++i)
            if (const std::string text = TextOf(cells_[i]); !text.empty()) visit(row, cells_[i].column, text);
}

int SheetCells::LastRow() const
{
    return rowStart_.size() < 2 ? 0 : static_cast<int>(rowStart_.size() - 2);
}

int SheetCells::LastColumn(int row) const
{
    if (row < 1 || row > LastRow() || rowStart_[row] == rowStart_[row + 1]) return 0;
    return cells_[rowStart_[row + 1] - 1].column;
}

void SheetCells::RequireTextRoom(std::size_t heldBytes) const
{
    if (heldBytes > budget_.maxTextBytes - std::min(textBytes_, budget_.maxTextBytes))
        ThrowOverBudget(ReadReason::TooMuchText, budget_.maxTextBytes >> 20);
}

void SheetCells::CountText(std::size_t bytes)
{
    if (bytes > kMaxCellTextBytes) ThrowOverBudget(ReadReason::CellTextTooLong, kMaxCellTextBytes >> 20);
    textBytes_ += bytes;
    if (textBytes_ > budget_.maxTextBytes) ThrowOverBudget(ReadReason::TooMuchText, budget_.maxTextBytes >> 20);
}

void ThrowTooManyCells(std::size_t limit)
{
    throw WorkbookFault(WorkbookFault::Kind::TooLarge, ReadReason::TooManyCells, {std::to_string(limit)});
}
