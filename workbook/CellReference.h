#pragma once

#include <optional>
#include <string>
#include <string_view>

// The largest sheet a spreadsheet holds: 1,048,576 rows by 16,384 columns.
inline constexpr int kSheetRows = 1048576;
inline constexpr int kSheetColumns = 16384;

struct CellPosition {
    int row;
    int column;
};

// A rectangle of cells, 1-based and inclusive: a range of merged cells.
struct CellRange {
    int firstRow;
    int firstColumn;
    int lastRow;
    int lastColumn;

    bool operator==(const CellRange&) const = default;
};

// The part of a range that lies on a sheet of `rows` by `columns`; nullopt
// when none of it does. A writer may merge past the sheet's last column or
// row, but no cell is there to show.
std::optional<CellRange> ClippedToSheet(const CellRange& range, int rows, int columns);

// An A1-style cell reference ("B7", "$B$7" too) as 1-based row and column;
// nullopt when it is not one. The values may lie beyond the sheet's limits
// (capped just past them), for the caller to refuse.
std::optional<CellPosition> ParseCellReference(std::string_view reference);

// A row number attribute ("7"), capped just past the sheet's limit.
std::optional<int> ParseRowNumber(std::string_view text);

// "B12": the A1 reference of a cell, as messages name it.
std::string CellName(int row, int column);

// "D" for column 4, "AA" for column 27.
std::string ColumnLetters(int column);
