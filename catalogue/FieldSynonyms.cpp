#include "catalogue/FieldSynonyms.h"

#include "catalogue/FieldCatalogue.h"

#include <algorithm>

std::vector<FieldSynonyms> SynonymsOf(TDocumentType type)
{
    std::vector<FieldSynonyms> synonyms;
    for (const TFieldEntry& field : FieldTable(type)) {
        if (std::any_of(synonyms.begin(), synonyms.end(),
                        [&](const FieldSynonyms& s) { return s.fieldID == field.FieldID; }))
            continue;
        FieldSynonyms entry{field.FieldID, {}, {}, {}};
        for (const SynonymEntry& row : FindFieldRow(field.FieldID)->synonyms) {
            if (!row.types.empty() && std::find(row.types.begin(), row.types.end(), type) == row.types.end()) continue;
            entry.names.insert(entry.names.end(), row.names.begin(), row.names.end());
            entry.guesses.insert(entry.guesses.end(), row.guesses.begin(), row.guesses.end());
            entry.weakNames.insert(entry.weakNames.end(), row.weakNames.begin(), row.weakNames.end());
        }
        if (!entry.names.empty() || !entry.guesses.empty() || !entry.weakNames.empty())
            synonyms.push_back(std::move(entry));
    }
    return synonyms;
}
