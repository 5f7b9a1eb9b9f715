#include "scheme/ArticleProposal.h"

#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"
#include "scheme/ArticleFromName.h"

#include <algorithm>
#include <set>

namespace {

bool Listed(TDocumentType type, const std::string& caption)
{
    const std::vector<std::string> captions = FieldCaptions(type);
    return !caption.empty() && std::find(captions.begin(), captions.end(), caption) != captions.end();
}

// The sheet's column a field's caption goes to: its proposal, or its scheme
// line when that names a column of the sheet; "" when neither.
std::string ColumnOf(const std::string& caption, const SchemeLines& lines, const std::vector<std::string>& columnNames,
                     const std::vector<ProposedMapping>& proposed)
{
    for (const ProposedMapping& mapping : proposed)
        if (mapping.caption == caption) return mapping.column;
    const int at = FindSchemeLine(lines, caption);
    if (at < 0) return {};
    const std::string column = Trim(SchemeValuePart(lines[static_cast<std::size_t>(at)]).value_or(""));
    const bool inSheet = std::any_of(columnNames.begin(), columnNames.end(),
                                     [&](const std::string& name) { return SameTextIgnoreCase(Trim(name), column); });
    return inSheet ? column : std::string();
}

bool IsDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

bool HoldsUniqueCodes(const std::vector<std::string>& cells)
{
    if (cells.size() < 3) return false;
    std::set<std::string> distinct;
    std::size_t codes = 0;
    bool counter = true;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        const bool number = cell.find_first_not_of("0123456789.,") == std::string::npos;
        const bool dashes = cell.find_first_not_of('-') == std::string::npos;
        const bool code = !cell.empty() && cell.size() <= 30 && cell.find(' ') == std::string::npos && !dashes
                          && (!number || (IsDigits(cell) && cell.size() >= 4));
        counter = counter && IsDigits(cell) && cell.size() <= 18
                  && (i == 0 || std::stoll(cell) == std::stoll(cells[i - 1]) + 1);
        if (!code) continue;
        ++codes;
        distinct.insert(cell);
    }
    // A supplier's codes repeat now and then (one part from two warehouses),
    // and some rows lack one (a buyer's own codes, given where it has them).
    return !counter && codes * 2 >= cells.size() && distinct.size() * 10 >= codes * 9;
}

std::optional<ProposedMapping> ProposeArticle(TDocumentType type, const SchemeLines& lines,
                                              const std::vector<std::string>& columnNames,
                                              const std::vector<ProposedMapping>& proposed,
                                              const std::vector<const std::vector<std::string>*>& productRows)
{
    const std::string article = FieldCaption("RecordReference", type);
    if (!Listed(type, article) || !ColumnOf(article, lines, columnNames, proposed).empty()) return std::nullopt;
    for (const char* code : {"ISBN", "EAN13"}) {
        const std::string caption = FieldCaption(code, type);
        if (!Listed(type, caption)) continue;
        if (std::string column = ColumnOf(caption, lines, columnNames, proposed); !column.empty())
            return ProposedMapping{article, std::move(column), MatchReason::Content};
    }
    if (productRows.empty()) return std::nullopt;

    std::set<std::string> taken;
    for (const ProposedMapping& mapping : proposed) taken.insert(mapping.column);
    for (const std::string& line : lines)
        if (const auto column = SchemeValuePart(line)) taken.insert(Trim(*column));
    for (std::size_t c = 0; c < columnNames.size(); ++c) {
        const std::string name = Trim(columnNames[c]);
        if (taken.count(name) || IsReservedColumn(name)) continue;
        std::vector<std::string> cells;
        for (const std::vector<std::string>* row : productRows)
            cells.push_back(c < row->size() ? Trim((*row)[c]) : std::string());
        if (HoldsUniqueCodes(cells)) return ProposedMapping{article, name, MatchReason::Content};
    }

    const bool named = !ColumnOf(FieldCaption("Title", type), lines, columnNames, proposed).empty()
                       || !ColumnOf(FieldCaption("ProductName", type), lines, columnNames, proposed).empty();
    const bool reserved = std::find(columnNames.begin(), columnNames.end(), kFromNameColumn) != columnNames.end();
    if (named && reserved) return ProposedMapping{article, kFromNameColumn, MatchReason::Content};
    return std::nullopt;
}
