#pragma once

#include "workbook/CellReference.h"

#include <string>
#include <string_view>
#include <vector>

// The header of a sheet read in the supplier layout, where the supplier put
// it: a column without a header text, a header of two rows, data that starts
// in any column.
struct SupplierHeader {
    // Item i names column i + 1: every column up to the last one with a
    // header text or a value in the rows looked at under the header. A column
    // without a header text is named by its letters in brackets ("[D]"); with
    // a second header row a name is "upper lower".
    std::vector<std::string> columnNames;
    // Item i: whether the sheet hides column i + 1; as many as names.
    std::vector<bool> hidden;
    // The first data row: under the header, or under its second row.
    int firstDataRow = 0;
};

// How many rows under the header decide how far the columns go.
inline constexpr int kSupplierRowsLookedAt = 100;

// The reserved column a scheme line may name ("Серия = [группа]"): the
// nearest group heading above the row.
inline constexpr char kGroupColumn[] = "[группа]";

// The header from the texts of the header row and the rows under it (item 0
// the header row at `headerRow`; row 0, empty, for a sheet without one, cleaned as ColumnNames cleans a name) and
// the sheet's merged ranges. A merged header cell names every column it
// covers; where no second header row tells them apart, the second and later
// are named "Цена [E]".
SupplierHeader SupplierColumns(const std::vector<std::vector<std::string>>& rows, int headerRow,
                               const std::vector<CellRange>& merged = {}, const std::vector<bool>& hidden = {});

// Whether a cell repeats its column's header, as a header printed again on
// every page does: the whole name, or the upper or the lower row's text of a
// header of two rows.
bool IsHeaderText(std::string_view cell, std::string_view columnName);

// Whether a cell's text is a number as the runs read one ("12,5", "1 234"),
// which a header or a group heading never is.
bool ReadsAsNumber(std::string_view text);
