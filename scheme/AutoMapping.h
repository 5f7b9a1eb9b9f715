#pragma once

#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Why a column is proposed for a field, strongest first.
enum class MatchReason {
    Caption,   // its name is the field's caption
    KnownName, // its name is one suppliers use for the field
    Price,     // the sheet's one price column, or the one its name marks as the price the field holds
    Content,   // its cells hold what the field holds: ISBNs, EAN-13 codes
    Similar,   // its name differs from one of those by a letter or two, and from no other field's
    Guess,     // its name most often means the field, but may mean another
};

// A scheme line the automatic mapping proposes, and why.
struct ProposedMapping {
    std::string caption; // the field's caption in the document type
    std::string column;  // the column name as the header row gives it
    MatchReason reason;

    bool Confident() const { return reason != MatchReason::Guess; }
    bool operator==(const ProposedMapping&) const = default;
};

// A header name as names are compared: lower case (Latin and Cyrillic), "ё"
// as "е", hyphens dropped ("Кол-во" is "колво"), other punctuation, line
// breaks and runs of blanks as one blank, and trailing units ("руб.", "грн",
// "%", "шт", "г", "кг", "(руб.)") left out.
std::string NormalizedHeaderName(std::string_view name);

// A column for each field of the type that no scheme line maps yet (a line
// naming a column the workbook lacks maps nothing), from
// the columns no scheme line uses: by the field's caption first, then by the
// names suppliers use (a weaker name, as "Код" for the article, only where no
// column has a stronger one), then the price (PriceColumns), then by a name a
// letter or two away from one of those when only one field has such a name,
// then by a guess. Each field and each column at most once; the left of two
// equal columns wins. In the order of the field list.
//
// With the first data rows under the header (`rows`, the cell texts by
// column), their cells count too: a column of 13-digit codes starting 978 or
// 979 is the ISBN where the type has one and no other column holds such
// codes, else the EAN; a column of 13-digit codes with a right check digit
// is the EAN; of an article named so and a weaker name ("Код"), the one
// filled on every product row (a row of two cells or more) wins; where no
// column is named for the article or the name, an unnamed column ("[B]") of
// one-word codes on every product row is the article, one of texts of three
// words or more the name.
std::vector<ProposedMapping> ProposeMappings(const SchemeLines& lines, TDocumentType type,
                                             const std::vector<std::string>& columnNames,
                                             const std::vector<std::vector<std::string>>& rows = {});

// Adds the confident proposals to the scheme (never replacing a line) and
// returns them.
std::vector<ProposedMapping> AddConfidentMappings(SchemeLines& lines, TDocumentType type,
                                                  const std::vector<std::string>& columnNames);

// Of the rows (the cell texts of the first rows of a sheet, row 1 first, an
// empty text for an empty cell), the number of the one whose cells give the
// most confident proposals for the type, or for any type when none is given;
// a row and the one under it count as a header of two rows where together
// they give more than the lower alone. The first of equals; 0 when none gives
// any.
int FindHeaderRow(std::optional<TDocumentType> type, const std::vector<std::vector<std::string>>& rows);
