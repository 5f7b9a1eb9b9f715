#include "workbook/ods/OdsContent.h"

#include "workbook/CellReference.h"
#include "workbook/IsoDateTime.h"
#include "workbook/ods/OdsCellText.h"
#include "workbook/WorkbookFault.h"
#include "workbook/XmlPartParser.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kCalcExt = "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

// A repeat count far past the sheet's limits reads as just past them: only
// content that lands inside the sheet is ever stored.
constexpr long long kRepeatCap = kSheetRows + 1LL;

long long RepeatCount(std::optional<std::string_view> raw)
{
    if (!raw) return 1;
    long long value = 0;
    const auto [end, error] = std::from_chars(raw->data(), raw->data() + raw->size(), value);
    if (error == std::errc::result_out_of_range) return kRepeatCap;
    if (error != std::errc() || value < 1) return 1;
    return std::min(value, kRepeatCap);
}

enum class ValueKind { Text, Number, DateTime, ElapsedTime };

// A cell of the row being read, kept until the row's own repeat count is known
// at its end.
struct PendingCell {
    int column;
    int repeat;
    ValueKind kind;
    double number;
    std::string text;
    // A text that stands in more than one cell is stored once, in the shared
    // strings, and every cell refers to it.
    std::optional<std::uint32_t> sharedText;
};

class ContentHandler : public XmlHandler {
public:
    ContentHandler(CellSink& cells, const SheetChoice& choice) : cells_(cells), choice_(choice) {}

    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) override
    {
        if (inCell_) {
            StartInCell(name, uri, attributes);
            return;
        }
        if (uri == kOffice && name == "spreadsheet") {
            spreadsheet = true;
        } else if (uri == kTable && name == "table" && spreadsheet) {
            // Only the chosen table counts; the others (and tables within
            // tables) are read through.
            if (tableDepth_ > 0) ++tableDepth_;
            else if (otherDepth_ > 0) ++otherDepth_;
            else if (IsChosen(attributes.Text("name", kTable).value_or(std::string()))) tableDepth_ = 1;
            else otherDepth_ = 1;
        } else if (tableDepth_ == 1 && uri == kTable) {
            if (name == "table-row") StartRow(attributes);
            else if (name == "table-column") StartColumns(attributes);
            else if ((name == "table-cell" || name == "covered-table-cell") && inRow_) StartCell(attributes);
        }
    }

    void EndElement(std::string_view name, std::string_view uri) override
    {
        if (inCell_) {
            EndInCell(name, uri);
            return;
        }
        if (uri == kTable && name == "table" && tableDepth_ == 0 && otherDepth_ > 0) --otherDepth_;
        if (uri != kTable || tableDepth_ == 0) return;
        if (name == "table") {
            --tableDepth_;
        } else if (name == "table-row" && tableDepth_ == 1) {
            EndRow();
        }
    }

    void PartRead(std::uint64_t done, std::uint64_t total) override { cells_.ReportConsumed(done, total); }

    void Characters(std::string_view text) override
    {
        if (inCell_ && skipDepth_ == 0 && text_.InParagraph()) text_.AddCharacters(text);
    }

    bool spreadsheet = false;

    // A sheet asked for that is not there; after reading.
    void RequireChosenTable() const
    {
        if (chosen_ || choice_.empty()) return;
        std::vector<SheetCandidate> tables;
        for (const std::string& table : tableNames_) tables.push_back({table, false, true});
        ChooseSheet(tables, choice_);
    }

private:
    // Whether the table starting now, with this name, is the one to read:
    // the first, or the one the choice names by position or name.
    bool IsChosen(const std::string& tableName)
    {
        tableNames_.push_back(tableName);
        if (chosen_) return false;
        chosen_ = choice_.empty() || IsChosenSheet(choice_, tableNames_.size(), tableName);
        return chosen_;
    }

    // The column descriptions come before the rows, in order; "collapse"
    // (and "filter", hidden by a filter) hide them.
    void StartColumns(const XmlAttributes& attributes)
    {
        const long long first = describedColumns_ + 1;
        describedColumns_ =
            std::min(describedColumns_ + RepeatCount(attributes.Raw("number-columns-repeated", kTable)), kRepeatCap);
        const auto visibility = attributes.Raw("visibility", kTable);
        if (!visibility || *visibility == "visible" || first > kSheetColumns) return;
        cells_.HideColumns(static_cast<int>(first),
                           static_cast<int>(std::min<long long>(describedColumns_, kSheetColumns)));
    }

    void StartRow(const XmlAttributes& attributes)
    {
        inRow_ = true;
        rowRepeat_ = RepeatCount(attributes.Raw("number-rows-repeated", kTable));
        column_ = 0;
        pendingCount_ = 0;
        heldTextBytes_ = 0;
    }

    void EndRow()
    {
        inRow_ = false;
        if (pendingCount_ > 0) {
            if (row_ + rowRepeat_ > kSheetRows) ThrowOutOfSheet(row_ + rowRepeat_, pending_[0].column);
            // Refuse a repeat that cannot fit before storing any of it.
            long long rowCells = 0;
            for (std::size_t i = 0; i < pendingCount_; ++i) rowCells += pending_[i].repeat;
            if (!cells_.HasRoomFor(static_cast<std::size_t>(rowCells * rowRepeat_)))
                ThrowTooManyCells(cells_.MaxCells());
            for (long long r = 1; r <= rowRepeat_; ++r) {
                const int row = static_cast<int>(row_ + r);
                for (std::size_t i = 0; i < pendingCount_; ++i) Store(row, pending_[i], rowRepeat_ > 1);
            }
        }
        row_ = std::min(row_ + rowRepeat_, kRepeatCap);
    }

    void Store(int row, PendingCell& cell, bool rowRepeated)
    {
        if (cell.kind == ValueKind::Text && !cell.text.empty() && (rowRepeated || cell.repeat > 1)
            && !cell.sharedText) {
            cells_.AddSharedString(cell.text);
            cell.sharedText = static_cast<std::uint32_t>(cells_.SharedStringCount() - 1);
        }
        for (int c = 0; c < cell.repeat; ++c) {
            const int column = cell.column + c;
            switch (cell.kind) {
            case ValueKind::Text:
                if (cell.sharedText) cells_.SetSharedString(row, column, *cell.sharedText);
                else cells_.SetText(row, column, cell.text);
                break;
            case ValueKind::Number: cells_.SetNumber(row, column, cell.number, NumberStyle::Plain); break;
            case ValueKind::DateTime: cells_.SetDateTime(row, column, cell.number); break;
            // Shown as spreadsheet applications show a time of a day or more:
            // a serial of the 1900 date system (PT288H is 12.01.1900).
            case ValueKind::ElapsedTime: cells_.SetNumber(row, column, cell.number, NumberStyle::Date); break;
            }
        }
    }

    void StartCell(const XmlAttributes& attributes)
    {
        inCell_ = true;
        skipDepth_ = 0;
        cellRepeat_ = RepeatCount(attributes.Raw("number-columns-repeated", kTable));
        MergeSpanned(attributes);
        text_.Begin();
        kind_ = ValueKind::Text;
        fixedText_.reset();

        const auto type = attributes.Raw("value-type", kOffice);
        const auto extendedType = attributes.Raw("value-type", kCalcExt);
        // An error result keeps a number beside its text; the text is the value.
        if (!type || (extendedType && *extendedType == "error")) return;
        if (*type == "float" || *type == "percentage" || *type == "currency") {
            if (const auto raw = attributes.Raw("value", kOffice)) {
                const auto [end, error] = std::from_chars(raw->data(), raw->data() + raw->size(), number_);
                if (error == std::errc() && end == raw->data() + raw->size()) kind_ = ValueKind::Number;
            }
        } else if (*type == "date") {
            if (const auto raw = attributes.Raw("date-value", kOffice)) {
                const auto dateTime = ParseIsoDateTime(*raw);
                if (!dateTime) ThrowBroken(ReadReason::BadDateValue, {*raw});
                kind_ = ValueKind::DateTime;
                number_ = *dateTime;
            }
        } else if (*type == "time") {
            if (const auto raw = attributes.Raw("time-value", kOffice)) {
                const auto days = ParseIsoDuration(*raw);
                if (!days) ThrowBroken(ReadReason::BadDateValue, {*raw});
                kind_ = ValueKind::ElapsedTime;
                number_ = *days;
            }
        } else if (*type == "boolean") {
            if (const auto raw = attributes.Raw("boolean-value", kOffice)) {
                if (*raw == "true" || *raw == "1") fixedText_ = "True";
                else if (*raw == "false" || *raw == "0") fixedText_ = "False";
            }
        } else if (*type == "string") {
            fixedText_ = attributes.Text("string-value", kOffice);
        }
    }

    // A cell spanning others gives the range they form, up to the sheet's
    // edge; the covered cells follow as covered-table-cell.
    void MergeSpanned(const XmlAttributes& attributes)
    {
        const long long columns = RepeatCount(attributes.Raw("number-columns-spanned", kTable));
        const long long rows = RepeatCount(attributes.Raw("number-rows-spanned", kTable));
        if (columns == 1 && rows == 1) return;
        // Counts are capped just past the sheet, so the edges fit an int.
        const auto edge = [](long long value) { return static_cast<int>(std::min(value, kRepeatCap)); };
        if (const auto range =
                ClippedToSheet({edge(row_ + 1), edge(column_ + 1), edge(row_ + rows), edge(column_ + columns)},
                               kSheetRows, kSheetColumns))
            cells_.MergeCells(range->firstRow, range->firstColumn, range->lastRow, range->lastColumn);
    }

    void StartInCell(std::string_view name, std::string_view uri, const XmlAttributes& attributes)
    {
        if (skipDepth_ > 0 || uri != kText || name == "note" || name == "ruby-text") {
            // Comments, drawings, notes and nested tables are no part of the
            // cell's text.
            ++skipDepth_;
            return;
        }
        if (name == "p" || name == "h") {
            text_.StartParagraph();
        } else if (!text_.InParagraph()) {
            return;
        } else if (name == "s") {
            const auto count = RepeatCount(attributes.Raw("c", kText));
            text_.AddSpaces(static_cast<std::size_t>(std::min<long long>(count, kMaxBlanks)));
        } else if (name == "tab") {
            text_.AddTab();
        } else if (name == "line-break") {
            text_.AddLineBreak();
        }
    }

    void EndInCell(std::string_view name, std::string_view uri)
    {
        if (skipDepth_ > 0) {
            --skipDepth_;
            return;
        }
        if (uri == kText && (name == "p" || name == "h")) {
            text_.EndParagraph();
        } else if (uri == kTable && (name == "table-cell" || name == "covered-table-cell")) {
            EndCell();
        }
    }

    void EndCell()
    {
        inCell_ = false;
        const long long start = column_ + 1;
        column_ = std::min(column_ + cellRepeat_, kRepeatCap);
        const std::string& text = fixedText_ ? *fixedText_ : text_.Text();
        if (kind_ == ValueKind::Text && text.empty()) return;
        if (start + cellRepeat_ - 1 > kSheetColumns) ThrowOutOfSheet(row_ + 1, start + cellRepeat_ - 1);

        if (pendingCount_ == pending_.size()) pending_.emplace_back();
        PendingCell& cell = pending_[pendingCount_++];
        cell.column = static_cast<int>(start);
        cell.repeat = static_cast<int>(cellRepeat_);
        cell.kind = kind_;
        cell.number = number_;
        cell.text = kind_ == ValueKind::Text ? text : std::string();
        cell.sharedText.reset();
        heldTextBytes_ += cell.text.size();
        cells_.RequireTextRoom(heldTextBytes_);
    }

    [[noreturn]] static void ThrowOutOfSheet(long long row, long long column)
    {
        ThrowBroken(ReadReason::CellOutOfSheet, {std::to_string(row), std::to_string(column)});
    }

    static constexpr long long kMaxBlanks = 32767;

    CellSink& cells_;
    const SheetChoice& choice_;
    std::vector<std::string> tableNames_;
    bool chosen_ = false;
    int tableDepth_ = 0;
    int otherDepth_ = 0;
    bool inRow_ = false;
    bool inCell_ = false;
    int skipDepth_ = 0;
    long long row_ = 0; // rows passed so far
    long long rowRepeat_ = 1;
    long long column_ = 0; // columns passed so far in the row
    long long describedColumns_ = 0;
    long long cellRepeat_ = 1;
    ValueKind kind_ = ValueKind::Text;
    double number_ = 0;
    std::optional<std::string> fixedText_;
    OdsCellText text_;
    std::vector<PendingCell> pending_;
    std::size_t heldTextBytes_ = 0;
    std::size_t pendingCount_ = 0;
};

} // namespace

bool ReadOdsContent(ZipArchive& archive, CellSink& cells, const SheetChoice& choice)
{
    ContentHandler handler(cells, choice);
    ParseXmlPart(archive, "content.xml", handler);
    if (handler.spreadsheet) handler.RequireChosenTable();
    return handler.spreadsheet;
}
