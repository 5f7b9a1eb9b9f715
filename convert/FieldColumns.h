#pragma once

#include "convert/FieldCell.h"
#include "convert/RunInputs.h"

#include <string>
#include <unordered_map>
#include <vector>

// The column of every field of a run, resolved once from its scheme: the
// caption of each field of the list, its first scheme line and that line's
// column (GetColumnByCaption). The writers, the row filter and the preview ask
// it, not the scheme's lines.
class FieldColumns {
public:
    explicit FieldColumns(const RunInputs& inputs);

    // The field's column (0 when the field is not mapped, or its caption is
    // not in the run's field list) and its caption in the run's type.
    FieldColumn Of(const std::string& fieldID) const;

    // The columns the scheme gives the captions of the field list, each
    // caption once, in the list's order; 0 for an unmapped caption.
    const std::vector<std::pair<std::string, int>>& ByCaption() const { return byCaption_; }

    // Where the scheme gives the article the reserved column kFromNameColumn:
    // that column, and the column of the name the article is made from (the
    // title, or an invoice's product name; 0 when unmapped). Both 0 when the
    // article is the sheet's own.
    struct ArticleFromName {
        int column = 0;
        int nameColumn = 0;
    };
    const ArticleFromName& ArticleFromNameColumns() const { return articleFromName_; }

private:
    TDocumentType type_;
    std::vector<std::pair<std::string, int>> byCaption_;
    std::unordered_map<std::string, int> columnOf_;
    ArticleFromName articleFromName_;
};
