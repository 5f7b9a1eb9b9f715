#pragma once

#include "workbook/CellReference.h"
#include "workbook/SheetRow.h"

#include <string>
#include <vector>

// The cells of a supplier's sheet merged down over several rows: the text of
// a range's first cell is every covered row's, in the range's first column (a
// name merged over a product's two pack-size rows names both). Rows come in
// sheet order, each once.
class MergedDown {
public:
    explicit MergedDown(std::vector<CellRange> ranges);

    bool Empty() const { return ranges_.empty(); }
    // The row with its covered cells filled: `row` itself when no range
    // covers it, else a copy valid until the next call.
    const SheetRow& Fill(const SheetRow& row);

private:
    struct Active {
        CellRange range;
        std::string text;
    };

    std::vector<CellRange> ranges_; // by first row
    std::size_t next_ = 0;
    std::vector<Active> active_;
    SheetRow filled_;
};
