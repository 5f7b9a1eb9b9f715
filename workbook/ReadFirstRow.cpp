#include "workbook/ReadSheet.h"
#include "workbook/SheetRows.h"

#include <optional>

namespace {

// Keeps the cells of row 1 and stops the read at the first cell of a later
// row. A shared string stays an index until the table is read, which in an
// xlsx comes after the row.
class FirstRowCells : public CellSink {
public:
    explicit FirstRowCells(const Regional& regional) : CellSink(regional, false) {}

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
        Keep(row);
        cells_.push_back({column, std::string(text), std::nullopt});
    }

    void StoreValue(int row, int column, const Value& value) override
    {
        Keep(row);
        cells_.push_back({column, {}, value});
    }

    void Keep(int row)
    {
        if (row != 1) throw ReadingStopped();
    }

    std::vector<Cell> cells_;
};

} // namespace

std::vector<std::string> ReadFirstRow(const std::string& path, const Regional& regional)
{
    FirstRowCells cells(regional);
    try {
        ReadSheet(path, cells, SheetExtent::FirstRow);
    } catch (const ReadingStopped&) {
    }
    return cells.Texts();
}
