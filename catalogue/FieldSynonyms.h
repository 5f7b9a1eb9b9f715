#pragma once

#include "catalogue/DocumentTypes.h"

#include <string>
#include <vector>

// The names suppliers give the column of a field, for the automatic mapping:
// names that mean the field for sure, and guesses, words that most often mean
// it in a document of the type but may mean another field (a bare "Цена" when
// the list has two prices, "Код"). Written as suppliers write them; the
// mapping compares them normalised (case, "ё", blanks, punctuation and trailing
// units do not count).
struct FieldSynonyms {
    std::string fieldID;
    std::vector<std::string> names;
    std::vector<std::string> guesses;
    // Names that mean the field unless another column has one of `names`:
    // "Код" beside "Артикул".
    std::vector<std::string> weakNames = {};
};

// The synonyms of the fields the type has, in the order of its field list.
std::vector<FieldSynonyms> SynonymsOf(TDocumentType type);
