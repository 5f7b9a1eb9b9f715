#include "convert/UnreadValues.h"

#include "base/MessageFormat.h"
#include "convert/RunLogTexts.h"

#include <algorithm>

void UnreadValues::Add(const std::string& caption, int row)
{
    auto column = std::find_if(columns_.begin(), columns_.end(),
                               [&](const UnreadColumn& known) { return known.caption == caption; });
    if (column == columns_.end()) column = columns_.insert(columns_.end(), UnreadColumn{caption, {}, 0});
    ++column->count;
    if (column->rows.size() < kRowsNamed) column->rows.push_back(row);
}

std::vector<std::string> UnreadValueLines(const std::vector<UnreadColumn>& columns)
{
    std::vector<std::string> lines;
    for (const UnreadColumn& column : columns) {
        std::string rows;
        for (const int row : column.rows) rows += (rows.empty() ? "" : ", ") + std::to_string(row);
        const int more = column.count - static_cast<int>(column.rows.size());
        lines.push_back(FormatMessage(more > 0 ? QRNConsts::sValuesUnreadMore : QRNConsts::sValuesUnread,
                                      {column.caption, rows, std::to_string(more)}));
    }
    return lines;
}
