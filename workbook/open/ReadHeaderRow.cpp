#include "workbook/open/OpenWorkbook.h"

#include <algorithm>
#include <optional>

namespace {

// Keeps the cells of the rows from `first` to `last` and stops the read at
// the first cell of a later row. A shared string stays an index until the
// table is read, which in an xlsx comes after the rows.
class FirstRowCells : public CellSink {
public:
    // `toTheEnd`: the read goes on past the rows, for the merged ranges.
    FirstRowCells(const Regional& regional, int first, int last, bool toTheEnd = false)
        : CellSink(regional, false), first_(first), last_(last), toTheEnd_(toTheEnd)
    {
    }

    void MergeCells(int firstRow, int firstColumn, int lastRow, int lastColumn) override
    {
        if (lastRow >= first_ && firstRow <= last_) merged_.push_back({firstRow, firstColumn, lastRow, lastColumn});
        if (lastRow > firstRow) mergedDown_.push_back({firstRow, firstColumn, lastRow, lastColumn});
    }
    const std::vector<CellRange>& Merged() const { return merged_; }
    const std::vector<CellRange>& MergedDown() const { return mergedDown_; }

    void HideColumns(int firstColumn, int lastColumn) override
    {
        if (hidden_.size() < static_cast<std::size_t>(lastColumn)) hidden_.resize(static_cast<std::size_t>(lastColumn));
        std::fill(hidden_.begin() + firstColumn - 1, hidden_.begin() + lastColumn, true);
    }
    const std::vector<bool>& Hidden() const { return hidden_; }

    // The texts of a row by column; a position given twice keeps its last
    // value, as when the sheet is read whole.
    std::vector<std::string> Texts(int row) const
    {
        std::vector<std::string> texts;
        for (const Cell& cell : cells_) {
            if (cell.row != row) continue;
            const std::string text = cell.value ? TextOf(*cell.value) : cell.text;
            const auto column = static_cast<std::size_t>(cell.column);
            if (texts.size() < column) {
                if (text.empty()) continue;
                texts.resize(column);
            }
            texts[column - 1] = text;
        }
        while (!texts.empty() && texts.back().empty()) texts.pop_back();
        return texts;
    }

private:
    struct Cell {
        int row;
        int column;
        std::string text;
        std::optional<CellValue> value;
    };

    void StoreText(int row, int column, std::string_view text) override
    {
        if (Keep(row)) cells_.push_back({row, column, std::string(text), std::nullopt});
    }

    void StoreValue(int row, int column, const CellValue& value) override
    {
        if (Keep(row)) cells_.push_back({row, column, {}, value});
    }

    bool Keep(int row) const
    {
        if (row > last_ && !toTheEnd_) throw ReadingStopped();
        return row >= first_ && row <= last_;
    }

    int first_;
    int last_;
    bool toTheEnd_;
    std::vector<Cell> cells_;
    std::vector<CellRange> merged_;
    std::vector<CellRange> mergedDown_;
    std::vector<bool> hidden_;
};

} // namespace

std::vector<std::vector<std::string>> ReadFirstRows(const WorkbookFile& workbook, const Regional& regional,
                                                    const SheetChoice& choice, int count)
{
    return ReadRowRange(workbook, regional, choice, 1, count);
}

SheetTop ReadSheetTop(const WorkbookFile& workbook, const Regional& regional, const SheetChoice& choice, int first,
                      int last)
{
    FirstRowCells cells(regional, first, last, true);
    ReadSheet(workbook, cells, SheetExtent::Whole, choice);
    SheetTop top;
    for (int row = first; row <= last; ++row) top.rows.push_back(cells.Texts(row));
    top.merged = cells.Merged();
    top.mergedDown = cells.MergedDown();
    top.hiddenColumns = cells.Hidden();
    return top;
}

std::vector<std::vector<std::string>> ReadRowRange(const WorkbookFile& workbook, const Regional& regional,
                                                   const SheetChoice& choice, int first, int last)
{
    FirstRowCells cells(regional, first, last);
    try {
        ReadSheet(workbook, cells, SheetExtent::FirstRows, choice);
    } catch (const ReadingStopped&) {
    }
    std::vector<std::vector<std::string>> rows;
    for (int row = first; row <= last; ++row) rows.push_back(cells.Texts(row));
    return rows;
}

std::vector<std::string> ReadHeaderRow(const WorkbookFile& workbook, const Regional& regional,
                                       const SheetChoice& choice, int row)
{
    FirstRowCells cells(regional, row, row);
    try {
        ReadSheet(workbook, cells, SheetExtent::FirstRows, choice);
    } catch (const ReadingStopped&) {
    }
    return cells.Texts(row);
}
