#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The cells of one sheet row as texts, the way Workbook gives them, for the
// runs that take a sheet row by row. Cells are added in column order; a row
// is reused for the next one without giving back its memory, so a stream of
// rows allocates nothing once it is under way.
class SheetRow {
public:
    int Number() const { return number_; }
    bool Empty() const { return cells_.empty(); }
    // "" for a column without a cell.
    std::string_view CellText(int column) const;

    template <typename Visit>
    void ForEachCell(Visit visit) const
    {
        std::size_t start = 0;
        for (const Entry& cell : cells_) {
            visit(cell.column, std::string_view(texts_).substr(start, cell.end - start));
            start = cell.end;
        }
    }

    void Start(int number);
    // `column` must be past every column added so far.
    void Add(int column, std::string_view text);

private:
    struct Entry {
        int column;
        std::size_t end; // the text runs from the previous cell's end to here
    };

    int number_ = 0;
    std::string texts_;
    std::vector<Entry> cells_;
};
