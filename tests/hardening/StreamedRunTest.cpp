// Runs that take the sheet row by row while it is read must end exactly as a
// run over the sheet read at once: the same files, bytes, log and failure,
// whatever order the file gives its rows in and wherever reading fails.
#include "BookWorkbook.h"
#include "support/TypeIndex.h"
#include "WorkbookParts.h"
#include "convert/RecordingObserver.h"
#include "support/TempFolder.h"

#include "messages/FaultMessages.h"
#include "convert/Convert.h"
#include "convert/RunPreview.h"
#include "convert/ReadWorkbook.h"
#include "scheme/HeaderRow.h"
#include "workbook/open/OpenWorkbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

std::string Row(int row, const std::vector<std::string>& cells)
{
    std::string xml = "<row r=\"" + std::to_string(row) + "\">";
    for (std::size_t c = 0; c < cells.size(); ++c)
        if (!cells[c].empty())
            xml += InlineCell(std::string(1, static_cast<char>('A' + c)) + std::to_string(row), cells[c]);
    return xml + "</row>";
}

std::string Header()
{
    return Row(1, kBookColumns);
}

std::string BookRow(int row)
{
    return Row(row, {"A" + std::to_string(row), "Книга " + std::to_string(row), "Аннотация"});
}

std::string BookRows(int from, int to)
{
    std::string xml;
    for (int row = from; row <= to; ++row) xml += BookRow(row);
    return xml;
}

struct StreamCase {
    const char* name;
    TypeIndex type;
    std::string sheetData;
    std::string sharedStrings;
    // Whether the rows come out of order, so that the run starts over on the
    // sheet read whole.
    bool startsOver;
    // Whether the run fails (as it must over the sheet read whole).
    bool fails;
};

void PrintTo(const StreamCase& c, std::ostream* os)
{
    *os << c.name;
}

const StreamCase kCases[] = {
    {"RowGoesBack", 0, Header() + BookRow(2) + BookRow(4) + BookRow(3) + BookRow(5), "", true, false},
    {"CellGoesBack", 0,
     Header() + BookRow(2) + "<row r=\"3\">" + InlineCell("B3", "Книга") + InlineCell("A3", "A3") + "</row>", "", true,
     false},
    {"CellGivenTwice", 0, Header() + "<row r=\"2\">" + InlineCell("A2", "старое") + InlineCell("A2", "A2") + "</row>",
     "", true, false},
    // Rows pass between the threads in batches of a few hundred: the gap at
    // row 601 reaches the run before reading finds what comes after it.
    {"RowPastTheGapComesLate", 0, Header() + BookRows(2, 600) + BookRows(602, 1200) + BookRow(601), "", true, false},
    {"DamagePastTheQueue", 0, Header() + BookRows(2, 3000) + "<row r=\"3001\"><c r=\"A3001\"></row>", "", false, true},
    {"DamagePastTheGap", 0, Header() + BookRows(2, 600) + BookRows(602, 1200) + "<row r=\"1201\"><c></row>", "", false,
     true},
    {"SharedStringMissing", 0,
     Header() + BookRows(2, 2999) + "<row r=\"3000\"><c r=\"A3000\" t=\"s\"><v>7</v></c></row>", "<si><t>A</t></si>",
     false, true},
    {"InvoiceOfFifteenRows", 9, Header() + BookRows(2, 16), "", false, false},
    {"InvoiceOfSixteenRows", 9, Header() + BookRows(2, 17), "", false, false},
    {"InvoiceRowGoesBackInPackageTwo", 9, Header() + BookRows(2, 18) + BookRow(20) + BookRow(19), "", true, false},
};

struct Outcome {
    std::string failure;
    std::vector<std::string> log;
    std::map<std::string, std::string> files; // name -> bytes
};

template <typename Run>
Outcome Capture(const std::string& folder, Run run)
{
    Outcome outcome;
    RecordingObserver observer;
    try {
        run(observer);
    } catch (const std::exception& failure) {
        outcome.failure = UserMessage(failure);
    }
    outcome.log = observer.log;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        outcome.files[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
    return outcome;
}

class StreamedRunTest : public testing::TestWithParam<StreamCase> {};

TEST_P(StreamedRunTest, EndsAsTheRunOverTheSheetReadWhole)
{
    const StreamCase& c = GetParam();
    TempFolder folder;
    const std::string workbook = folder.File("books.xlsx");
    WriteBundleZip(workbook, XlsxWithSheetData(c.sheetData, c.sharedStrings));
    std::filesystem::create_directory(folder.File("streamed"));
    std::filesystem::create_directory(folder.File("held"));
    // An earlier output that a failed run must leave as it was.
    WriteFileBytes(folder.File("streamed/out.xml"), "earlier");
    WriteFileBytes(folder.File("held/out.xml"), "earlier");

    int clears = 0;
    const Outcome streamed = Capture(folder.File("streamed"), [&](RecordingObserver& observer) {
        RunInputs inputs = BookRunInputs(c.type, workbook, folder.File("streamed/out.xml"));
        inputs.columnNames = ReadWorkbookColumnNames(workbook, inputs.regional);
        ConvertWorkbook(inputs, observer);
        clears = observer.clears;
    });
    const Outcome held = Capture(folder.File("held"), [&](RecordingObserver& observer) {
        RunInputs inputs = BookRunInputs(c.type, workbook, folder.File("held/out.xml"));
        inputs.columnNames = ColumnNames({"Артикул", "Название", "Аннотация"});
        const auto held = OpenWorkbook(workbook, inputs.regional);
        HeldSheetRows rows(*held);
        ConvertRows(inputs, rows, observer);
    });

    EXPECT_EQ(streamed.failure.empty(), !c.fails) << streamed.failure;
    EXPECT_EQ(streamed.failure, held.failure);
    EXPECT_EQ(streamed.log, held.log);
    EXPECT_EQ(streamed.files, held.files);
    if (!c.fails) {
        EXPECT_EQ(clears, c.startsOver ? 2 : 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Sheets, StreamedRunTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A stop requested during a run (the window closed, Esc, a signal) ends it
// before its next row, wherever the run is: nothing saved, the earlier output
// as it was, no temporary file left, and no failure from reading it did not
// finish. The damage at the end of the long sheet is never reached when the
// rest of the sheet is left unread.
enum class StopAt { HundredthRow, RestOfSheet, FallbackRun, Preview };

struct StopCase {
    const char* name;
    TypeIndex type;
    StopAt at;
    std::string (*sheetData)();
};

void PrintTo(const StopCase& c, std::ostream* os)
{
    *os << c.name;
}

// The sheets are made when a case runs: held in the table they would weigh
// on every test of this program that measures its memory.
std::string LongSheet()
{
    return Header() + BookRows(2, 6000);
}

// Data ending at row 100, and damage at the end of a long rest.
std::string DataThenLongDamagedRest()
{
    return Header() + BookRows(2, 100) + BookRows(102, 30000) + "<row r=\"30001\"><c></row>";
}

std::string RowsOutOfOrder()
{
    return Header() + BookRow(2) + BookRow(4) + BookRow(3) + BookRows(5, 3000);
}

const StopCase kStopCases[] = {
    {"PriceListRows", 0, StopAt::HundredthRow, LongSheet},
    {"InvoiceRows", kInvoiceType, StopAt::HundredthRow, LongSheet},
    {"PriceListRestOfSheet", 0, StopAt::RestOfSheet, DataThenLongDamagedRest},
    {"InvoiceRestOfSheet", kInvoiceType, StopAt::RestOfSheet, DataThenLongDamagedRest},
    {"PriceListFallback", 0, StopAt::FallbackRun, RowsOutOfOrder},
    {"InvoiceFallback", kInvoiceType, StopAt::FallbackRun, RowsOutOfOrder},
    {"Preview", 0, StopAt::Preview, DataThenLongDamagedRest},
};

class StoppingObserver : public RecordingObserver {
public:
    StoppingObserver(const StopRequest& stop, StopAt at) : stop_(stop), at_(at) {}

    void ClearLog() override
    {
        RecordingObserver::ClearLog();
        if (at_ == StopAt::FallbackRun && clears == 2) stop_.Request();
    }

    void ProgressPosition(int value) override
    {
        RecordingObserver::ProgressPosition(value);
        // A bar moved after the stop, other than its reset, is a row handled.
        if (stop_.Requested() && value != 0 && value != maximum) ++rowsAfterStop;
        if (at_ == StopAt::HundredthRow && positions.size() == 100) stop_.Request();
        // The bar is full when the data rows have ended.
        if (at_ == StopAt::RestOfSheet && value == maximum && value > 0) stop_.Request();
    }

    int rowsAfterStop = 0;

private:
    StopRequest stop_;
    StopAt at_;
};

class StoppedRunTest : public testing::TestWithParam<StopCase> {};

TEST_P(StoppedRunTest, SavesNothingAndKeepsTheEarlierOutput)
{
    const StopCase& c = GetParam();
    TempFolder folder;
    const std::string workbook = folder.File("books.xlsx");
    WriteBundleZip(workbook, XlsxWithSheetData(c.sheetData(), ""));
    const std::string output = folder.File("out.xml");
    WriteFileBytes(output, "earlier");
    RunInputs inputs = BookRunInputs(c.type, workbook, output);
    inputs.columnNames = ColumnNames({"Артикул", "Название", "Аннотация"});

    StoppingObserver observer(inputs.stop, c.at);
    try {
        if (c.at == StopAt::Preview) {
            inputs.stop.Request();
            EXPECT_TRUE(PreviewRun(inputs).rows.empty());
        } else {
            const RunResult result = ConvertWorkbook(inputs, observer);
            EXPECT_TRUE(result.stopped);
            EXPECT_TRUE(result.savedFiles.empty());
        }
    } catch (const std::exception& failure) {
        ADD_FAILURE() << UserMessage(failure);
    }
    EXPECT_TRUE(inputs.stop.Requested()) << "the stop point was never reached";
    EXPECT_EQ(observer.rowsAfterStop, 0);
    EXPECT_TRUE(ReadFileBytes(output) == "earlier") << "the output was replaced";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

INSTANTIATE_TEST_SUITE_P(Points, StoppedRunTest, testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
