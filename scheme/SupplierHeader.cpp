#include "scheme/SupplierHeader.h"

#include "base/NumberText.h"
#include "base/Utf8Text.h"
#include "workbook/open/OpenWorkbook.h"

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

// The row under the header is its second row when it names a column the
// header left unnamed and holds no number.
bool IsSecondHeaderRow(const std::vector<std::string>& header, const std::vector<std::string>& below)
{
    bool namesAnUnnamed = false;
    for (std::size_t column = 0; column < below.size(); ++column) {
        const std::string text = TextAt(below, column);
        if (text.empty()) continue;
        if (ReadsAsNumber(text)) return false;
        if (TextAt(header, column).empty()) namesAnUnnamed = true;
    }
    return namesAnUnnamed;
}

} // namespace

bool ReadsAsNumber(std::string_view text)
{
    // "." and "," both as the decimal separator, blanks between thousands.
    return !Trim(text).empty() && ReadCellNumber(text, ",", " ").has_value();
}

std::string ColumnLetters(int column)
{
    std::string letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    return letters;
}

SupplierHeader SupplierColumns(const std::vector<std::vector<std::string>>& rows, int headerRow)
{
    static const std::vector<std::string> kNoRow;
    const std::vector<std::string>& header = rows.empty() ? kNoRow : rows[0];
    const bool twoRows = rows.size() > 1 && IsSecondHeaderRow(header, rows[1]);
    const std::vector<std::string>& lower = twoRows ? rows[1] : kNoRow;

    std::size_t width = 0;
    for (const std::vector<std::string>& row : rows)
        for (std::size_t column = row.size(); column > width; --column)
            if (!TextAt(row, column - 1).empty()) {
                width = column;
                break;
            }

    SupplierHeader result{{}, headerRow + (twoRows ? 2 : 1)};
    for (std::size_t column = 0; column < width; ++column) {
        const std::string upper = TextAt(header, column);
        const std::string below = TextAt(lower, column);
        std::string name = upper.empty() ? below : below.empty() ? upper : upper + " " + below;
        if (name.empty()) name = "[" + ColumnLetters(static_cast<int>(column) + 1) + "]";
        result.columnNames.push_back(std::move(name));
    }
    return result;
}

SupplierHeader ReadSupplierHeader(const std::string& workbookPath, const Regional& regional, const SheetChoice& sheet,
                                  int headerRow)
{
    return SupplierColumns(ReadRowRange(workbookPath, regional, sheet, headerRow, headerRow + kSupplierRowsLookedAt),
                           headerRow);
}
