#include "workbook/CellReference.h"

#include <algorithm>

namespace {

// Digits beyond the limits only need to stay beyond them without overflowing.
int Capped(long long value, int limit)
{
    return value > limit ? limit + 1 : static_cast<int>(value);
}

} // namespace

std::optional<int> ParseRowNumber(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kSheetRows) value = kSheetRows + 1LL;
    }
    return Capped(value, kSheetRows);
}

std::optional<CellPosition> ParseCellReference(std::string_view reference)
{
    std::size_t pos = 0;
    if (pos < reference.size() && reference[pos] == '$') ++pos;
    long long column = 0;
    const std::size_t lettersStart = pos;
    while (pos < reference.size()) {
        char c = reference[pos];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + (c - 'A' + 1);
        if (column > kSheetColumns) column = kSheetColumns + 1LL;
        ++pos;
    }
    if (pos == lettersStart) return std::nullopt;
    if (pos < reference.size() && reference[pos] == '$') ++pos;
    const auto row = ParseRowNumber(reference.substr(pos));
    if (!row || *row == 0) return std::nullopt;
    return CellPosition{*row, Capped(column, kSheetColumns)};
}

std::optional<CellRange> ClippedToSheet(const CellRange& range, int rows, int columns)
{
    if (range.firstRow > rows || range.firstColumn > columns) return std::nullopt;
    return CellRange{range.firstRow, range.firstColumn, std::min(range.lastRow, rows),
                     std::min(range.lastColumn, columns)};
}

std::string ColumnLetters(int column)
{
    std::string letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    return letters;
}

std::string CellName(int row, int column)
{
    return ColumnLetters(column) + std::to_string(row);
}
