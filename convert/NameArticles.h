#pragma once

#include "convert/FieldColumns.h"
#include "workbook/SheetRow.h"

#include <cstdint>
#include <unordered_map>

// The articles a run makes from the products' names (kFromNameColumn): a
// product whose article an earlier product of the run already has (the same
// name, or two names that hash alike) is a row error naming that product's
// row, as receivers key products on the article.
class NameArticles {
public:
    explicit NameArticles(const FieldColumns& fields) : column_(fields.ArticleFromNameColumns().column) {}

    // Reports the row's article through the writers' error channel when an
    // earlier row has it; does nothing when the articles are the sheet's.
    void Check(const SheetRow& row);

private:
    int column_;
    std::unordered_map<std::uint64_t, int> firstRow_; // by the article's hash
};
