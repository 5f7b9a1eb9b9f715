#include "convert/FieldColumns.h"

#include "catalogue/FieldCatalogue.h"
#include "scheme/ArticleFromName.h"
#include "scheme/ColumnLookup.h"

FieldColumns::FieldColumns(const RunInputs& inputs) : type_(inputs.documentType)
{
    for (const std::string& caption : inputs.fieldCaptions) {
        if (columnOf_.count(caption)) continue;
        const int column = GetColumnByCaption(caption, inputs.scheme, inputs.columnNames);
        columnOf_.emplace(caption, column);
        byCaption_.emplace_back(caption, column);
    }
    const int article = Of("RecordReference").column;
    if (article > 0 && article <= static_cast<int>(inputs.columnNames.size())
        && inputs.columnNames[article - 1] == kFromNameColumn) {
        articleFromName_.column = article;
        articleFromName_.nameColumn = Of("Title").column;
        if (articleFromName_.nameColumn == 0) articleFromName_.nameColumn = Of("ProductName").column;
    }
}

FieldColumn FieldColumns::Of(const std::string& fieldID) const
{
    std::string caption = FieldCaption(fieldID, type_);
    const auto found = columnOf_.find(caption);
    return {fieldID, found == columnOf_.end() ? 0 : found->second, std::move(caption)};
}
