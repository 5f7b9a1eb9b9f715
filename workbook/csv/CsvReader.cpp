#include "workbook/csv/CsvReader.h"

#include "base/Utf8Text.h"
#include "workbook/csv/CsvText.h"
#include "workbook/WorkbookFault.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <map>

namespace {

constexpr std::array<char, 3> kDelimiters{';', '\t', ','};
constexpr std::size_t kSampledRecords = 50;

std::vector<SheetCandidate> CsvSheets(const std::string& path)
{
    return {{std::filesystem::path(path).stem().string(), false, true}};
}

// Where a record starts in the file, and another candidate delimiter its
// unquoted text holds ('\0' for none).
struct RecordPlace {
    int line;
    char otherDelimiter;
};

// Splits delimited text into records of fields, handing each field on as it
// ends.
class RecordParser {
public:
    RecordParser(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

    // Calls field(record, column, text) for every field and record(record,
    // fields, place) at the end of every record, for at most `maxRecords`
    // records.
    template <typename Field, typename Record>
    void Parse(std::size_t maxRecords, Field field, Record record)
    {
        int recordNumber = 1;
        int column = 1;
        std::string value;
        for (std::size_t records = 0; pos_ < text_.size() && records < maxRecords;) {
            if (column == 1) place_ = {line_, '\0'};
            value.clear();
            const char end = ReadField(value);
            field(recordNumber, column, value);
            if (end == delimiter_) {
                ++column;
                continue;
            }
            record(recordNumber, column, place_);
            ++records;
            ++recordNumber;
            column = 1;
        }
    }

    std::size_t Position() const { return pos_; }
    // The line the current record starts on.
    std::string RecordLine() const { return std::to_string(place_.line); }

private:
    // Reads one field into `value`; returns what ended it: the delimiter,
    // '\n' for the end of the record, or '\0' for the end of the text.
    char ReadField(std::string& value)
    {
        if (pos_ < text_.size() && text_[pos_] == '"') {
            const int startLine = line_;
            ++pos_;
            for (;;) {
                const std::size_t quote = text_.find('"', pos_);
                if (quote == std::string_view::npos)
                    ThrowBroken(ReadReason::CsvQuoteNotClosed, {std::to_string(startLine)});
                Append(value, text_.substr(pos_, quote - pos_));
                pos_ = quote + 1;
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    value += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
        }
        // Unquoted text, or what follows a closing quote, up to the delimiter
        // or the line's end; a quote here is an ordinary character.
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == delimiter_) {
                ++pos_;
                return delimiter_;
            }
            if (c == '\n' || c == '\r') {
                pos_ += (c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ? 2 : 1;
                ++line_;
                return '\n';
            }
            if (!place_.otherDelimiter && std::find(kDelimiters.begin(), kDelimiters.end(), c) != kDelimiters.end())
                place_.otherDelimiter = c;
            value += c;
            ++pos_;
        }
        return '\0';
    }

    void Append(std::string& value, std::string_view quoted)
    {
        line_ += static_cast<int>(std::count(quoted.begin(), quoted.end(), '\n'));
        value.append(quoted);
    }

    std::string_view text_;
    char delimiter_;
    std::size_t pos_ = 0;
    int line_ = 1;
    RecordPlace place_{1, '\0'};
};

// How consistently the delimiter splits the first records: how many of them
// have the most common number of fields, when that number is above one.
std::size_t Consistency(std::string_view text, char delimiter)
{
    std::map<int, std::size_t> recordsWithFields;
    try {
        RecordParser(text, delimiter)
            .Parse(
                kSampledRecords, [](int, int, const std::string&) {},
                [&](int, int fields, const RecordPlace&) { ++recordsWithFields[fields]; });
    } catch (const WorkbookFault&) {
        // A quote left open under this delimiter: reading decides.
    }
    std::size_t best = 0;
    for (const auto& [fields, records] : recordsWithFields)
        if (fields > 1) best = std::max(best, records);
    return best;
}

std::string DelimiterName(char delimiter)
{
    return delimiter == '\t' ? "\\t" : std::string(1, delimiter);
}

char ChooseDelimiter(std::string_view text)
{
    char chosen = kDelimiters[0];
    std::size_t best = 0;
    for (const char delimiter : kDelimiters) {
        const std::size_t consistency = Consistency(text, delimiter);
        if (consistency > best) {
            best = consistency;
            chosen = delimiter;
        }
    }
    return chosen;
}

} // namespace

bool IsDelimitedTextName(const std::string& path)
{
    const std::string extension = LowerCase(std::filesystem::path(path).extension().string());
    return extension == ".csv" || extension == ".tsv" || extension == ".txt";
}

void ReadCsvWorkbook(const WorkbookFile& workbook, CellSink& sink, const SheetChoice& choice)
{
    ChooseSheet(CsvSheets(workbook.path), choice);
    const std::string text = DecodeCsvText(ReadWholeWorkbookFile(workbook), sink);
    RecordParser parser(text, ChooseDelimiter(text));
    parser.Parse(
        SIZE_MAX,
        [&](int record, int column, const std::string& value) {
            if (column > CellSink::kMaxColumn)
                ThrowBroken(ReadReason::CsvTooManyFields, {parser.RecordLine(), std::to_string(CellSink::kMaxColumn)});
            if (!value.empty()) sink.SetText(record, column, value);
        },
        [&](int, int fields, const RecordPlace& place) {
            // A row the delimiter left whole, that another one would split:
            // the file may mix delimiters.
            if (fields == 1 && place.otherDelimiter)
                sink.Warn(ReadWarning::OneFieldRow, {std::to_string(place.line), DelimiterName(place.otherDelimiter)});
            sink.ReportConsumed(parser.Position(), text.size());
        });
}

std::vector<SheetEntry> ListCsvSheets(const WorkbookFile& workbook)
{
    return OfferedSheets(CsvSheets(workbook.path));
}
