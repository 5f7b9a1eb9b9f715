#include "workbook/SheetRow.h"

#include <algorithm>

std::string_view SheetRow::CellText(int column) const
{
    const auto found = std::lower_bound(cells_.begin(), cells_.end(), column,
                                        [](const Entry& cell, int c) { return cell.column < c; });
    if (found == cells_.end() || found->column != column) return {};
    const std::size_t start = found == cells_.begin() ? 0 : (found - 1)->end;
    return std::string_view(texts_).substr(start, found->end - start);
}

void SheetRow::Start(int number)
{
    number_ = number;
    texts_.clear();
    cells_.clear();
}

void SheetRow::Add(int column, std::string_view text)
{
    texts_.append(text);
    cells_.push_back({column, texts_.size()});
}
