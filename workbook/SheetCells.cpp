#include "workbook/SheetCells.h"

#include "workbook/CellReference.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kNoText = UINT64_MAX;

} // namespace

SheetCells::SheetCells(const Regional& regional, bool date1904, const ReadBudget& budget)
    : CellSink(regional, date1904, budget)
{
    static_assert(sizeof(Cell) == 12);
}

SheetCells::Cell& SheetCells::Append(int row, int column, CellKind kind)
{
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

void SheetCells::StoreText(int row, int column, std::string_view text)
{
    if (text.empty()) {
        // An empty value still replaces what an earlier record stored there.
        if (!cells_.empty()) Append(row, column, CellKind::Text).Set(kNoText);
        return;
    }
    Append(row, column, CellKind::Text).Set(texts_.Add(text));
}

void SheetCells::StoreValue(int row, int column, const CellValue& value)
{
    switch (value.kind) {
    case CellValue::Kind::Shared: Append(row, column, CellKind::Shared).Set(value.index); return;
    case CellValue::Kind::Number: {
        Cell& cell = Append(row, column, CellKind::Number);
        cell.Set(value.number);
        cell.style = static_cast<std::uint8_t>(value.style);
        return;
    }
    case CellValue::Kind::DateTime: Append(row, column, CellKind::DateTime).Set(value.number); return;
    }
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
        const bool replaced =
            k + 1 < order.size() && order[k + 1].row == order[k].row && order[k + 1].column == order[k].column;
        if (replaced) {
            // Every format reads a position given twice the same way: the
            // later record stands, as it does when a spreadsheet application
            // loads the records one after another.
            if (k == 0 || order[k - 1].row != order[k].row || order[k - 1].column != order[k].column)
                Warn(ReadWarning::CellGivenTwice, {CellName(static_cast<int>(order[k].row), order[k].column)});
            continue;
        }
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
            if (cells_[i].kind == CellKind::Text && cells_[i].Get<std::uint64_t>() == kNoText) continue;
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
    case CellKind::Text: return std::string(texts_.Get(cell.Get<std::uint64_t>()));
    case CellKind::Shared:
        return CellSink::TextOf({CellValue::Kind::Shared, NumberStyle::Plain, 0, cell.Get<std::uint32_t>()});
    case CellKind::Number:
        return CellSink::TextOf({CellValue::Kind::Number, static_cast<NumberStyle>(cell.style), cell.Get<double>(), 0});
    case CellKind::DateTime:
        return CellSink::TextOf({CellValue::Kind::DateTime, NumberStyle::Plain, cell.Get<double>(), 0});
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
        ForEachCellInRow(row, [&](int column, const std::string& text) { visit(row, column, text); });
}

void SheetCells::ForEachCellInRow(int row, const std::function<void(int column, const std::string& text)>& visit) const
{
    if (row < 1 || row > LastRow()) return;
    for (std::uint32_t i = rowStart_[row]; i < rowStart_[row + 1]; ++i)
        if (const std::string text = TextOf(cells_[i]); !text.empty()) visit(cells_[i].column, text);
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
