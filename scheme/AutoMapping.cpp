#include "scheme/AutoMapping.h"

#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"

#include <algorithm>

int MapColumnsByCaption(SchemeLines& lines, TDocumentType type, const std::vector<std::string>& columnNames)
{
    std::vector<std::string> trimmedColumns;
    trimmedColumns.reserve(columnNames.size());
    for (const std::string& name : columnNames) trimmedColumns.push_back(Trim(name));

    std::vector<std::string> mappedCaptions;
    for (const TFieldEntry& field : FieldTable(type)) {
        const std::string caption = Trim(field.FieldName);
        if (std::find(mappedCaptions.begin(), mappedCaptions.end(), caption) != mappedCaptions.end()) continue;
        const auto column = std::find_if(trimmedColumns.begin(), trimmedColumns.end(),
                                         [&](const std::string& name) { return SameTextIgnoreCase(name, caption); });
        if (column == trimmedColumns.end()) continue;
        DropColumnOnField(lines, field.FieldName, *column);
        mappedCaptions.push_back(caption);
    }
    return static_cast<int>(mappedCaptions.size());
}
