#include "scheme/HeaderRow.h"

#include "base/Utf8Text.h"

#include <algorithm>

std::vector<std::string> ColumnNames(std::vector<std::string> firstRow)
{
    const auto end =
        std::find_if(firstRow.begin(), firstRow.end(), [](const std::string& text) { return text.empty(); });
    firstRow.erase(end, firstRow.end());
    for (std::string& name : firstRow) {
        std::replace_if(
            name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
        name = Trim(name);
    }
    return firstRow;
}
