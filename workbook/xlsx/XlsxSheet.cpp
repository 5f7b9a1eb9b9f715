#include "workbook/xlsx/XlsxSheet.h"

#include "workbook/ReadBudget.h"
#include "workbook/CellReference.h"
#include "workbook/IsoDateTime.h"
#include "workbook/xlsx/OoxmlEscapes.h"
#include "workbook/xlsx/SpreadsheetMl.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xlsx/XlsxStringItem.h"
#include "workbook/XmlPartParser.h"

#include <charconv>

namespace {

enum class CellType { Number, Shared, Inline, FormulaText, Boolean, Error, Date };

CellType CellTypeOf(std::optional<std::string_view> type)
{
    if (!type) return CellType::Number;
    if (*type == "s") return CellType::Shared;
    if (*type == "inlineStr") return CellType::Inline;
    if (*type == "str") return CellType::FormulaText;
    if (*type == "b") return CellType::Boolean;
    if (*type == "e") return CellType::Error;
    if (*type == "d") return CellType::Date;
    return CellType::Number;
}

std::string_view TrimmedXmlSpace(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

template <typename Number>
std::optional<Number> ParsedNumber(std::string_view text)
{
    text = TrimmedXmlSpace(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

[[noreturn]] void ThrowOutOfSheet(long long row, long long column)
{
    ThrowBroken(ReadReason::CellOutOfSheet, {std::to_string(row), std::to_string(column)});
}

class SheetHandler : public XmlHandler {
public:
    SheetHandler(const std::string& part, const XlsxSheetContext& context, CellSink& cells)
        : part_(part), context_(context), cells_(cells)
    {
    }

    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) override
    {
        if (!rootSeen_) {
            rootSeen_ = true;
            RequireWorksheet(name, uri);
        }
        if (!IsMain(uri)) return;
        if (inCell_) {
            if (inInline_) item_.StartElement(name);
            else if (name == "v") inValue_ = true;
            else if (name == "is") {
                inInline_ = true;
                item_.Begin();
                hasInline_ = true;
            }
        } else if (name == "c" && inRow_) {
            StartCell(attributes);
        } else if (name == "row" && inSheetData_) {
            StartRow(attributes);
        } else if (name == "sheetData") {
            inSheetData_ = true;
        } else if (name == "dimension") {
            DeclareDimension(attributes);
        } else if (name == "mergeCell") {
            MergeCells(attributes);
        } else if (name == "col") {
            HideColumns(attributes);
        }
    }

    void EndElement(std::string_view name, std::string_view uri) override
    {
        if (!IsMain(uri)) return;
        if (inCell_) {
            if (name == "c") EndCell();
            else if (name == "v") inValue_ = false;
            else if (name == "is") {
                inInline_ = false;
                inlineText_ = item_.Text();
            } else if (inInline_) item_.EndElement(name);
        } else if (name == "row") {
            inRow_ = false;
        } else if (name == "sheetData") {
            inSheetData_ = false;
        }
    }

    void PartRead(std::uint64_t done, std::uint64_t total) override { cells_.ReportConsumed(done, total); }

    void Characters(std::string_view text) override
    {
        if (inValue_) {
            RequireCellTextRoom(value_.size(), text.size());
            value_.append(text);
        } else if (inInline_) item_.Characters(text);
    }

private:
    // Whatever else the first sheet's part is, reading it as an empty sheet
    // would convert a price list without products.
    void RequireWorksheet(std::string_view name, std::string_view uri) const
    {
        if (!IsSpreadsheetMl(uri)) ThrowUnsupported(ReadReason::SheetForeignNamespace, {uri});
        if (name == "chartsheet" || name == "dialogsheet") ThrowUnsupported(ReadReason::FirstSheetNotCells);
        if (name != "worksheet") ThrowBroken(ReadReason::NotAWorksheet, {part_});
    }

    bool IsMain(std::string_view uri)
    {
        if (uri.data() == mainUri_) return true;
        if (!IsSpreadsheetMl(uri)) return false;
        mainUri_ = uri.data();
        return true;
    }

    // "A1:Y100001" or "A1": only ever a hint for progress, never trusted
    // for reading.
    void DeclareDimension(const XmlAttributes& attributes)
    {
        const auto ref = attributes.Raw("ref");
        if (!ref) return;
        const std::string_view last = ref->substr(ref->find(':') == std::string_view::npos ? 0 : ref->find(':') + 1);
        if (const auto position = ParseCellReference(TrimmedXmlSpace(last)); position && position->row <= kSheetRows)
            cells_.DeclareLastRow(position->row);
    }

    // "E1:F2"; a reference that is none merges nothing, one past the sheet's
    // edge merges up to it.
    void MergeCells(const XmlAttributes& attributes)
    {
        const auto ref = attributes.Raw("ref");
        if (!ref) return;
        const std::string_view range = TrimmedXmlSpace(*ref);
        const auto colon = range.find(':');
        if (colon == std::string_view::npos) return;
        const auto first = ParseCellReference(range.substr(0, colon));
        const auto last = ParseCellReference(range.substr(colon + 1));
        if (!first || !last) return;
        if (const auto range =
                ClippedToSheet({first->row, first->column, last->row, last->column}, kSheetRows, kSheetColumns))
            cells_.MergeCells(range->firstRow, range->firstColumn, range->lastRow, range->lastColumn);
    }

    // <col min="3" max="4" hidden="1"/>; columns past the sheet are none.
    void HideColumns(const XmlAttributes& attributes)
    {
        const auto hidden = attributes.Raw("hidden");
        if (!hidden || (*hidden != "1" && *hidden != "true")) return;
        const auto first = ParsedNumber<int>(attributes.Raw("min").value_or(""));
        const auto last = ParsedNumber<int>(attributes.Raw("max").value_or(""));
        if (first && last && *first >= 1 && *first <= *last) cells_.HideColumns(*first, std::min(*last, kSheetColumns));
    }

    void StartRow(const XmlAttributes& attributes)
    {
        inRow_ = true;
        if (const auto r = attributes.Raw("r")) {
            const auto number = ParseRowNumber(TrimmedXmlSpace(*r));
            if (!number || *number == 0) ThrowBroken(ReadReason::BadCellReference, {*r});
            row_ = *number;
        } else {
            ++row_;
        }
        if (row_ > kSheetRows) ThrowOutOfSheet(row_, 1);
        column_ = 0;
        // Every format takes a row given twice alike: the cells of both, a
        // cell given in both from the later (see SheetCells).
        if (rowsSeen_.empty()) rowsSeen_.resize(static_cast<std::size_t>(kSheetRows) + 1);
        if (rowsSeen_[static_cast<std::size_t>(row_)]) cells_.Warn(ReadWarning::RowGivenTwice, {std::to_string(row_)});
        rowsSeen_[static_cast<std::size_t>(row_)] = true;
    }

    void StartCell(const XmlAttributes& attributes)
    {
        inCell_ = true;
        if (const auto r = attributes.Raw("r")) {
            const auto position = ParseCellReference(TrimmedXmlSpace(*r));
            if (!position) ThrowBroken(ReadReason::BadCellReference, {*r});
            cellRow_ = position->row;
            column_ = position->column;
        } else {
            cellRow_ = row_;
            ++column_;
        }
        if (cellRow_ > kSheetRows || column_ > kSheetColumns) ThrowOutOfSheet(cellRow_, column_);
        type_ = CellTypeOf(attributes.Raw("t"));
        style_ = NumberStyle::Plain;
        if (const auto s = attributes.Raw("s")) {
            const auto index = ParsedNumber<std::size_t>(*s);
            if (index && *index < context_.cellStyles.size()) style_ = context_.cellStyles[*index];
        }
        value_.clear();
        inlineText_.clear();
        hasInline_ = false;
    }

    void EndCell()
    {
        inCell_ = false;
        inValue_ = false;
        inInline_ = false;
        switch (type_) {
        case CellType::Number:
            if (TrimmedXmlSpace(value_).empty()) return;
            if (const auto number = ParsedNumber<double>(value_)) cells_.SetNumber(cellRow_, column_, *number, style_);
            else cells_.SetText(cellRow_, column_, value_);
            return;
        case CellType::Shared: {
            if (TrimmedXmlSpace(value_).empty()) return;
            const auto index = ParsedNumber<std::uint32_t>(value_);
            if (!index) ThrowBroken(ReadReason::BadSharedString, {value_});
            cells_.SetSharedString(cellRow_, column_, *index);
            return;
        }
        case CellType::Inline:
            cells_.SetText(cellRow_, column_, hasInline_ ? inlineText_ : DecodeOoxmlEscapes(value_));
            return;
        case CellType::FormulaText: cells_.SetText(cellRow_, column_, DecodeOoxmlEscapes(value_)); return;
        case CellType::Boolean: {
            const auto flag = TrimmedXmlSpace(value_);
            if (flag == "1" || flag == "true") cells_.SetText(cellRow_, column_, "True");
            else if (flag == "0" || flag == "false") cells_.SetText(cellRow_, column_, "False");
            else cells_.SetText(cellRow_, column_, value_);
            return;
        }
        case CellType::Error: cells_.SetText(cellRow_, column_, value_); return;
        case CellType::Date:
            // The cell says it holds a date, whatever its number format.
            // A date that is none is damage, never a guess.
            if (const auto dateTime = ParseIsoDateTime(TrimmedXmlSpace(value_)))
                cells_.SetDateTime(cellRow_, column_, *dateTime);
            else ThrowBroken(ReadReason::BadDateValue, {value_});
            return;
        }
    }

    const std::string& part_;
    const XlsxSheetContext& context_;
    CellSink& cells_;
    const char* mainUri_ = nullptr;
    bool rootSeen_ = false;
    bool inSheetData_ = false;
    bool inRow_ = false;
    bool inCell_ = false;
    bool inValue_ = false;
    bool inInline_ = false;
    bool hasInline_ = false;
    int row_ = 0;
    std::vector<bool> rowsSeen_;
    int column_ = 0;
    int cellRow_ = 0;
    CellType type_ = CellType::Number;
    NumberStyle style_ = NumberStyle::Plain;
    std::string value_;
    std::string inlineText_;
    XlsxStringItem item_;
};

} // namespace

void ReadXlsxSheet(ZipArchive& archive, const std::string& part, const XlsxSheetContext& context, CellSink& cells)
{
    SheetHandler handler(part, context, cells);
    ParseXmlPart(archive, part, handler);
}
