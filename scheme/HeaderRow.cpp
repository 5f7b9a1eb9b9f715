#include "scheme/HeaderRow.h"

#include "base/Utf8Text.h"

#include <algorithm>

std::vector<std::string> ReadColumnNames(const Workbook& workbook)
{
    std::vector<std::string> names;
    for (int column = 1;; ++column) {
        std::string text = workbook.CellText(1, column);
        if (text.empty())
            break;
        std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
        names.push_back(Trim(text));
    }
    return names;
}
