#include "workbook/ReadSheet.h"
#include "workbook/SheetRows.h"

#include <optional>

namespace {

// Keeps the cells of one row and stops the read at the first cell of a later
// row. A shared string stays an index until the table is read, which in an
// xlsx comes after the rows.
class HeaderRowCells : public CellSink {
public:
    HeaderRowCells(const Regional& regional, int row) : CellSink(regional, false), row_(row) {}

    // The texts by column; a position given twice keeps its last value, as
    // when the sheet is read whole.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Cell& cell : cells_) {
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
        int column;
        std::string text;
        std::optional<Value> value;
    };

    void StoreText(int row, int column, std::string_view text) override
    {
        if (Keep(row)) cells_.push_back({column, std::string(text), std::nullopt});
    }

    void StoreValue(int row, int column, const Value& value) override
    {
        if (Keep(row)) cells_.push_back({column, {}, value});
    }

    bool Keep(int row) const
    {
        if (row > row_) throw ReadingStopped();
        return row == row_;
    }

    int row_;
    std::vector<Cell> cells_;
};

} // namespace

std::vector<std::string> ReadHeaderRow(const std::string& path, const Regional& regional, const SheetChoice& choice,
                                       int row)
{
    HeaderRowCells cells(regional, row);
    try {
        ReadSheet(path, cells, SheetExtent::FirstRows, choice);
    } catch (const ReadingStopped&) {
    }
    return cells.Texts();
}
