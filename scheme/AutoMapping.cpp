#include "scheme/AutoMapping.h"

#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"

#include <algorithm>

int MapColumnsByCaption(SchemeLines& lines, TDocumentType type, const std::vector<std::string>& columnNames)
{
    std::vector<std::string> trimmedColumns;
    trimmedColumns.reserve(columnNames.size());
    for (const std::string& name : columnNames) trimmedColumns.push_back(Trim(name));

    int added = 0;
    for (const TFieldEntry& field : FieldTable(type)) {
        // What the user mapped stays, also when its column is not in this
        // workbook; a caption listed twice is mapped by its first entry.
        if (FindSchemeLine(lines, field.FieldName) >= 0) continue;
        const std::string caption = Trim(field.FieldName);
        const auto column = std::find_if(trimmedColumns.begin(), trimmedColumns.end(),
                                         [&](const std::string& name) { return SameTextIgnoreCase(name, caption); });
        if (column == trimmedColumns.end()) continue;
        DropColumnOnField(lines, field.FieldName, *column);
        ++added;
    }
    return added;
}
