#pragma once

#include "catalogue/DocumentTypes.h"
#include "scheme/AutoMapping.h"

#include <optional>
#include <string>
#include <vector>

// Where no column is named for the article, the column that gives it
// anyway: receivers key products on the article, so every product needs one.
// The product's identifier first: the ISBN where the type has one, else the
// EAN-13 (mapped by the scheme or proposed); else the leftmost free column of
// one-word codes filled and unique on every product row (a row counter, 1, 2,
// 3, ..., is never one); else, where the sheet has no identifier at all but
// names its products, the article made from the name (kFromNameColumn).
// `proposed` are the other fields' proposals, `productRows` the texts of the
// sample's product rows. Nothing when the article is mapped or proposed.
std::optional<ProposedMapping> ProposeArticle(TDocumentType type, const SchemeLines& lines,
                                              const std::vector<std::string>& columnNames,
                                              const std::vector<ProposedMapping>& proposed,
                                              const std::vector<const std::vector<std::string>*>& productRows);

// Whether the cells (of a column, on the product rows, three at least) are
// codes: one word each ("ЦБ-00012345", "3630FD", "00001234"), in half the
// cells at least, nine in ten of them different; not prices or counts ("12,5", "7"),
// dashes, or a row counter (1001, 1002, ...).
bool HoldsUniqueCodes(const std::vector<std::string>& cells);
