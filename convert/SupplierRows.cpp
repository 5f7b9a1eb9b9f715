#include "convert/SupplierRows.h"

#include "base/MessageFormat.h"
#include "base/Utf8Text.h"
#include "convert/FieldCell.h"
#include "convert/RunLogTexts.h"
#include "convert/RunResult.h"
#include "scheme/ColumnLookup.h"
#include "scheme/SupplierHeader.h"

#include <algorithm>

static_assert(std::tuple_size_v<decltype(RunResult::passedOver)> == kPassedOverReasons);

namespace {

// A row numbering fewer columns than this may be data ("1", "2").
constexpr int kNumberedColumnsAtLeast = 3;

// "итого", "всего" or "total", alone or followed by ":" or " по".
bool IsTotalWord(std::string_view text)
{
    const std::string lower = LowerCase(Trim(text));
    for (const std::string_view word : {"итого", "всего", "total"}) {
        if (!lower.starts_with(word)) continue;
        const std::string_view rest = std::string_view(lower).substr(word.size());
        if (rest.empty() || rest.starts_with(":") || rest.starts_with(" по")) return true;
    }
    return false;
}

// Empty, or dashes alone: what a price list puts where there is nothing
// ("-" under the price of a group heading).
bool IsBlankMark(std::string_view text)
{
    const std::string trimmed = Trim(text);
    std::string_view rest = trimmed;
    while (!rest.empty()) {
        if (rest.starts_with("-")) rest.remove_prefix(1);
        else if (rest.starts_with("–") || rest.starts_with("—")) rest.remove_prefix(std::string_view("—").size());
        else return false;
    }
    return true;
}

bool IsEmptyIn(const SheetRow& row, const std::vector<int>& columns)
{
    return std::all_of(columns.begin(), columns.end(), [&](int column) { return Trim(row.CellText(column)).empty(); });
}

// The fewest rows a shape is learnt from, and the share of them (in %) that
// fill a common column.
constexpr std::size_t kShapeRowsAtLeast = 5;
constexpr std::size_t kCommonShare = 80;

const char* NoteText(PassedOver reason)
{
    switch (reason) {
    case PassedOver::GroupHeading: return QRNConsts::sRowGroupHeading;
    case PassedOver::Total: return QRNConsts::sRowTotal;
    case PassedOver::RepeatedHeader: return QRNConsts::sRowRepeatedHeader;
    case PassedOver::Unnamed: return QRNConsts::sRowUnnamed;
    case PassedOver::UnlikeProducts: return QRNConsts::sRowUnlikeProducts;
    case PassedOver::NothingMapped: break;
    }
    return nullptr;
}

const char* ReasonName(PassedOver reason)
{
    switch (reason) {
    case PassedOver::GroupHeading: return QRNConsts::sPassedGroupHeadings;
    case PassedOver::Total: return QRNConsts::sPassedTotals;
    case PassedOver::RepeatedHeader: return QRNConsts::sPassedRepeatedHeaders;
    case PassedOver::Unnamed: return QRNConsts::sPassedUnnamed;
    case PassedOver::UnlikeProducts: return QRNConsts::sPassedUnlikeProducts;
    case PassedOver::NothingMapped: break;
    }
    return QRNConsts::sPassedNothingMapped;
}

} // namespace

SupplierRowSorter::SupplierRowSorter(const RunInputs& inputs, const FieldColumns& fields)
    : columnNames_(inputs.columnNames)
{
    // The article made from the name is no cell of the sheet's rows.
    const int fromName = fields.ArticleFromNameColumns().column;
    for (const auto& [caption, column] : fields.ByCaption()) {
        if (column <= 0 || column == fromName) continue;
        if (column <= static_cast<int>(columnNames_.size()) && columnNames_[column - 1] == kGroupColumn)
            groupColumn_ = column;
        else mapped_.push_back(column);
    }
    for (const char* fieldID : {"RecordReference", "ISBN", "EAN13"})
        if (const int column = fields.Of(fieldID).column; column > 0 && column != fromName)
            identifying_.push_back(column);
    for (const char* fieldID : {"Title", "ProductName"})
        if (const int column = fields.Of(fieldID).column; column > 0) naming_.push_back(column);
    if (!naming_.empty()) naming_.insert(naming_.end(), identifying_.begin(), identifying_.end());
}

bool SupplierRowSorter::MayBeAProduct(const SheetRow& row) const
{
    std::string_view heading;
    return !ByItsCells(row, heading);
}

void SupplierRowSorter::LearnShape(const std::vector<SheetRow>& rows)
{
    if (rows.size() < kShapeRowsAtLeast) return;
    for (const int column : mapped_) {
        const auto filled = std::count_if(rows.begin(), rows.end(),
                                          [&](const SheetRow& row) { return !IsBlankMark(row.CellText(column)); });
        if (static_cast<std::size_t>(filled) * 100 >= rows.size() * kCommonShare) common_.push_back(column);
    }
}

bool SupplierRowSorter::HasProductShape(const SheetRow& row) const
{
    const auto missing =
        std::count_if(common_.begin(), common_.end(), [&](int column) { return IsBlankMark(row.CellText(column)); });
    // A book without an author or an ISBN is still a book: two gaps in a
    // wide list are not enough.
    return missing < 2 || static_cast<std::size_t>(missing) * 2 <= common_.size();
}

std::optional<PassedOver> SupplierRowSorter::Sort(const SheetRow& row)
{
    std::string_view heading;
    const std::optional<PassedOver> reason = ByItsCells(row, heading);
    if (reason == PassedOver::GroupHeading) group_ = Trim(heading);
    if (reason || HasProductShape(row)) return reason;
    return PassedOver::UnlikeProducts;
}

std::optional<PassedOver> SupplierRowSorter::ByItsCells(const SheetRow& row, std::string_view& heading) const
{
    int filled = 0;
    row.ForEachCell([&](int, std::string_view text) {
        if (IsBlankMark(text)) return;
        ++filled;
        heading = text;
    });
    if (filled == 1 && !ReadsAsNumber(heading)) return PassedOver::GroupHeading;
    if (IsRepeatedHeader(row)) return PassedOver::RepeatedHeader;
    if (IsTotal(row)) return PassedOver::Total;
    if (IsEmptyIn(row, mapped_)) return PassedOver::NothingMapped;
    if (!naming_.empty() && IsEmptyIn(row, naming_)) return PassedOver::Unnamed;
    return std::nullopt;
}

bool SupplierRowSorter::IsRepeatedHeader(const SheetRow& row) const
{
    bool any = false;
    bool header = true;
    // Printed forms number their columns under the header: 1, 2, 3 ...
    bool numbering = true;
    int number = 0;
    row.ForEachCell([&](int column, std::string_view text) {
        if (Trim(text).empty()) return;
        any = true;
        if (column > static_cast<int>(columnNames_.size()) || !IsHeaderText(text, columnNames_[column - 1]))
            header = false;
        if (numbering && Trim(text) != std::to_string(number + 1)) numbering = false;
        ++number;
    });
    return any && (header || (numbering && number >= kNumberedColumnsAtLeast));
}

bool SupplierRowSorter::IsTotal(const SheetRow& row) const
{
    int wordColumn = 0;
    std::string_view first;
    row.ForEachCell([&](int column, std::string_view text) {
        if (wordColumn != 0 || Trim(text).empty()) return;
        wordColumn = column;
        first = text;
    });
    if (!IsTotalWord(first)) return false;
    // The word itself may stand in the article's column, as 1C puts it.
    return std::all_of(identifying_.begin(), identifying_.end(),
                       [&](int column) { return column == wordColumn || Trim(row.CellText(column)).empty(); });
}

void PassedRows::Note(const SheetRow& row, PassedOver reason, const std::string& group)
{
    const int count = ++counts_[static_cast<std::size_t>(reason)];
    const char* text = NoteText(reason);
    if (!text || count > kNotesPerReason) return;
    observer_.LogLine(FormatMessage(text, {std::to_string(row.Number()), group}));
}

void PassedRows::Finish()
{
    for (std::size_t k = 0; k < kPassedOverReasons; ++k) {
        const auto reason = static_cast<PassedOver>(k);
        if (NoteText(reason) && counts_[k] > kNotesPerReason)
            observer_.LogLine(FormatMessage(QRNConsts::sPassedNotesMore,
                                            {std::to_string(counts_[k] - kNotesPerReason), ReasonName(reason)}));
    }
}

std::string PassedRows::CountsText(const std::array<int, kPassedOverReasons>& counts)
{
    std::string text;
    // Headings, totals and repeated headers first: what the user sees in the
    // sheet; the rows without mapped data last.
    for (const PassedOver reason : {PassedOver::GroupHeading, PassedOver::Total, PassedOver::RepeatedHeader,
                                    PassedOver::Unnamed, PassedOver::UnlikeProducts, PassedOver::NothingMapped}) {
        const int count = counts[static_cast<std::size_t>(reason)];
        if (count == 0) continue;
        if (!text.empty()) text += ", ";
        text += std::string(ReasonName(reason)) + ": " + std::to_string(count);
    }
    return text;
}
