#include "scheme/SupplierHeader.h"

#include "base/NumberText.h"
#include "base/Utf8Text.h"

#include <algorithm>

namespace {

// As ColumnNames takes a header cell: line breaks and NULs as blanks,
// trimmed, so the name fits one scheme line.
std::string CleanName(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return Trim(text);
}

std::string TextAt(const std::vector<std::string>& row, std::size_t column)
{
    return column < row.size() ? CleanName(row[column]) : std::string();
}

// The header row's texts with a merged cell's text in every column it
// covers; `covered` marks the columns after a merged range's first.
std::vector<std::string> SpreadMerged(std::vector<std::string> header, int headerRow,
                                      const std::vector<CellRange>& merged, std::vector<bool>& covered)
{
    for (const CellRange& range : merged) {
        if (range.firstRow > headerRow || range.lastRow < headerRow || range.lastColumn <= range.firstColumn) continue;
        const auto first = static_cast<std::size_t>(range.firstColumn - 1);
        const auto last = static_cast<std::size_t>(range.lastColumn - 1);
        // A range that starts above the header row gives its text from there
        // only when the header row itself holds it.
        const std::string text = first < header.size() ? header[first] : std::string();
        if (header.size() <= last) header.resize(last + 1);
        if (covered.size() <= last) covered.resize(last + 1);
        for (std::size_t column = first + 1; column <= last; ++column) {
            header[column] = text;
            covered[column] = true;
        }
    }
    return header;
}

// The row under the header is its second row when it names a column the
// header left unnamed or merged and holds no number.
bool IsSecondHeaderRow(const std::vector<std::string>& header, const std::vector<bool>& covered,
                       const std::vector<std::string>& below)
{
    bool namesAnUnnamed = false;
    for (std::size_t column = 0; column < below.size(); ++column) {
        const std::string text = TextAt(below, column);
        if (text.empty()) continue;
        if (ReadsAsNumber(text)) return false;
        if (TextAt(header, column).empty() || (column < covered.size() && covered[column])) namesAnUnnamed = true;
    }
    return namesAnUnnamed;
}

} // namespace

bool ReadsAsNumber(std::string_view text)
{
    // "." and "," both as the decimal separator, blanks between thousands.
    return !Trim(text).empty() && ReadCellNumber(text, ",", " ").has_value();
}

bool IsHeaderText(std::string_view cell, std::string_view columnName)
{
    const std::string text = CleanName(std::string(cell));
    if (text.empty()) return false;
    if (SameTextIgnoreCase(text, columnName)) return true;
    if (text.size() >= columnName.size()) return false;
    const std::size_t rest = columnName.size() - text.size();
    return (columnName[text.size()] == ' ' && SameTextIgnoreCase(text, columnName.substr(0, text.size())))
           || (columnName[rest - 1] == ' ' && SameTextIgnoreCase(text, columnName.substr(rest)));
}

SupplierHeader SupplierColumns(const std::vector<std::vector<std::string>>& rows, int headerRow,
                               const std::vector<CellRange>& merged, const std::vector<bool>& hidden)
{
    static const std::vector<std::string> kNoRow;
    std::vector<bool> covered;
    const std::vector<std::string> header = SpreadMerged(rows.empty() ? kNoRow : rows[0], headerRow, merged, covered);
    // A sheet without a header row (row 0) has no second one either.
    const bool twoRows = headerRow > 0 && rows.size() > 1 && IsSecondHeaderRow(header, covered, rows[1]);
    const std::vector<std::string>& lower = twoRows ? rows[1] : kNoRow;

    std::size_t width = header.size();
    while (width > 0 && TextAt(header, width - 1).empty()) --width;
    for (const std::vector<std::string>& row : rows)
        for (std::size_t column = row.size(); column > width; --column)
            if (!TextAt(row, column - 1).empty()) {
                width = column;
                break;
            }

    SupplierHeader result{{}, {}, headerRow + (twoRows ? 2 : 1)};
    for (std::size_t column = 0; column < width; ++column) {
        const std::string upper = TextAt(header, column);
        const std::string below = TextAt(lower, column);
        const std::string letters = "[" + ColumnLetters(static_cast<int>(column) + 1) + "]";
        std::string name = upper.empty() ? below : below.empty() ? upper : upper + " " + below;
        if (name.empty()) name = letters;
        else if (below.empty() && column < covered.size() && covered[column]) name += " " + letters;
        result.columnNames.push_back(std::move(name));
        result.hidden.push_back(column < hidden.size() && hidden[column]);
    }
    return result;
}
