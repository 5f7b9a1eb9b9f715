#include "scheme/ColumnLookup.h"

#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"

#include <algorithm>
#include <unordered_map>

namespace {

bool HasColumn(const std::vector<std::string>& columnNames, const std::string& columnName)
{
    return std::any_of(columnNames.begin(), columnNames.end(),
                       [&](const std::string& name) { return SameTextIgnoreCase(name, columnName); });
}

} // namespace

int GetColumnByFieldID(const std::string& fieldID, TDocumentType type, const std::vector<std::string>& fieldCaptions,
                       const SchemeLines& scheme, const std::vector<std::string>& columnNames)
{
    const std::string caption = FieldCaption(fieldID, type);
    if (std::find(fieldCaptions.begin(), fieldCaptions.end(), caption) == fieldCaptions.end()) return 0;
    return GetColumnByCaption(caption, scheme, columnNames);
}

int GetColumnByCaption(const std::string& caption, const SchemeLines& scheme,
                       const std::vector<std::string>& columnNames)
{
    const int line = FindSchemeLine(scheme, caption);
    if (line < 0) return 0;
    const std::string columnName = Trim(*SchemeValuePart(scheme[static_cast<std::size_t>(line)]));
    if (columnName.empty()) return 0;
    for (std::size_t i = 0; i < columnNames.size(); ++i)
        if (SameTextIgnoreCase(columnNames[i], columnName)) return static_cast<int>(i) + 1;
    return 0;
}

std::vector<std::string> SchemeColumnsMissing(const SchemeLines& scheme, const std::vector<std::string>& columnNames)
{
    std::vector<std::string> missing;
    for (const std::string& line : scheme) {
        const std::optional<std::string> value = SchemeValuePart(line);
        if (!value) continue;
        std::string columnName = Trim(*value);
        if (columnName.empty() || HasColumn(columnNames, columnName) || HasColumn(missing, columnName)) continue;
        missing.push_back(std::move(columnName));
    }
    return missing;
}

std::vector<CaptionGivenTwice> SchemeCaptionsGivenTwice(const SchemeLines& scheme)
{
    std::vector<CaptionGivenTwice> twice;
    // By the name part in lower case: the first line giving it, and its index.
    std::unordered_map<std::string, std::size_t> firstOf;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (!SchemeValuePart(scheme[i])) continue;
        const auto [first, isFirst] = firstOf.emplace(LowerCase(SchemeNamePart(scheme[i])), i);
        if (!isFirst)
            twice.push_back({Trim(SchemeNamePart(scheme[first->second])), static_cast<int>(first->second) + 1,
                             static_cast<int>(i) + 1});
    }
    return twice;
}
