#pragma once

#include "workbook/Workbook.h"

#include <string>
#include <vector>

// A worksheet held as rows of cell texts (the first row is row 1), for runs
// that need no workbook file.
class TableWorkbook : public Workbook {
public:
    explicit TableWorkbook(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}

    std::string CellText(int row, int column) const override
    {
        if (row < 1 || row > static_cast<int>(rows_.size())) return {};
        const auto& cells = rows_[static_cast<std::size_t>(row - 1)];
        if (column < 1 || column > static_cast<int>(cells.size())) return {};
        return cells[static_cast<std::size_t>(column - 1)];
    }
    int LastRow() const override { return static_cast<int>(rows_.size()); }
    int LastColumn(int row) const override
    {
        if (row < 1 || row > static_cast<int>(rows_.size())) return 0;
        return static_cast<int>(rows_[static_cast<std::size_t>(row - 1)].size());
    }

private:
    std::vector<std::vector<std::string>> rows_;
};
