#include "convert/workbook/SheetCells.h"

#include "convert/workbook/NumberFormats.h"

#include <algorithm>

static_assert(sizeof(double) == 8 && alignof(double) <= 8);

namespace {

constexpr std::uint64_t kNoText = UINT64_MAX;

bool ValidPosition(int row, int column)
{
    return row >= 1 && column >= 1 && column <= SheetCells::kMaxColumn;
}

} // namespace

SheetCells::SheetCells(const Regional& regional, bool date1904, std::size_t maxCells)
    : regional_(regional), date1904_(date1904), maxCells_(std::min(maxCells, kMaxCells))
{
}

SheetCells::Cell& SheetCells::Append(int row, int column, Kind kind)
{
    if (cells_.size() >= maxCells_) throw SheetTooLarge();
    Cell& cell = cells_.emplace_back();
    cell.row = static_cast<std::uint32_t>(row);
    cell.column = static_cast<std::uint16_t>(column);
    cell.kind = kind;
    cell.style = static_cast<std::uint8_t>(NumberStyle::Plain);
    cell.text = 0;
    return cell;
}

void SheetCells::SetText(int row, int column, std::string_view text)
{
    if (!ValidPosition(row, column)) return;
    if (text.empty()) {
        // An empty value still replaces what an earlier record stored there.
        if (!cells_.empty()) Append(row, column, Kind::Text).text = kNoText;
        return;
    }
    Append(row, column, Kind::Text).text = texts_.Add(text);
}

void SheetCells::SetSharedString(int row, int column, std::uint32_t index)
{
    if (!ValidPosition(row, column)) return;
    Append(row, column, Kind::Shared).shared = index;
}

void SheetCells::SetSharedStrings(std::vector<std::string> table)
{
    shared_ = std::move(table);
}

void SheetCells::SetNumber(int row, int column, double value, NumberStyle style)
{
    if (!ValidPosition(row, column)) return;
    Cell& cell = Append(row, column, Kind::Number);
    cell.number = value;
    cell.style = static_cast<std::uint8_t>(style);
}

void SheetCells::SetDateTime(int row, int column, double dateTime)
{
    if (!ValidPosition(row, column)) return;
    Append(row, column, Kind::DateTime).number = dateTime;
}

void SheetCells::SetDate1904(bool date1904)
{
    date1904_ = date1904;
}

void SheetCells::Finish()
{
    const auto byPosition = [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    if (!std::is_sorted(cells_.begin(), cells_.end(), byPosition))
        std::stable_sort(cells_.begin(), cells_.end(), byPosition);

    // Keep the last record of each position, then drop the empty ones.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const bool replaced = i + 1 < cells_.size() && cells_[i + 1].row == cells_[i].row
            && cells_[i + 1].column == cells_[i].column;
        const bool empty = cells_[i].kind == Kind::Text && cells_[i].text == kNoText;
        if (!replaced && !empty) cells_[kept++] = cells_[i];
    }
    cells_.resize(kept);
    cells_.shrink_to_fit();

    const std::uint32_t lastRow = cells_.empty() ? 0 : cells_.back().row;
    rowStart_.assign(static_cast<std::size_t>(lastRow) + 2, 0);
    for (const Cell& cell : cells_) ++rowStart_[cell.row + 1];
    for (std::size_t r = 1; r < rowStart_.size(); ++r) rowStart_[r] += rowStart_[r - 1];
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
    case Kind::Text: return std::string(texts_.Get(cell.text));
    case Kind::Shared: return cell.shared < shared_.size() ? shared_[cell.shared] : std::string();
    case Kind::Number:
        return NumberCellText(cell.number, static_cast<NumberStyle>(cell.style), date1904_, regional_);
    case Kind::DateTime: return DateTimeCellText(cell.number, regional_);
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
    for (const Cell& cell : cells_)
        if (const std::string text = TextOf(cell); !text.empty()) visit(static_cast<int>(cell.row), cell.column, text);
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
