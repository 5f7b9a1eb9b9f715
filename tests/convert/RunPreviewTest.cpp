#include "RecordingObserver.h"
#include "support/TypeIndex.h"
#include "RunFixture.h"

#include "convert/Convert.h"
#include "convert/RunPreview.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct PreviewCase {
    const char* name;
    TypeIndex type;
    Rows rows;
    std::map<std::string, std::string> mapping;
    int headerRow;
    std::vector<int> marked;
};

void PrintTo(const PreviewCase& c, std::ostream* os)
{
    *os << c.name;
}

const PreviewCase kCases[] = {
    // A wrong check digit is no critical error; an EAN of the wrong length is.
    {"PriceList",
     0,
     {{"Код", "Штрихкод", "Название"},
      {"A1", "9785171183660", "Книга"},
      {"A2", "9785171183661", "Книга"},
      {"A3", "123", "Книга"}},
     {{"RecordReference", "Код"}, {"EAN13", "Штрихкод"}, {"Title", "Название"}},
     1,
     {4}},
    // Any error keeps an invoice's package from being saved.
    {"InvoiceUnderATitleBlock",
     9,
     {{"ООО «Поставщик»"}, {}, {"Код", "Цена"}, {"A1", "2"}, {"A2", "два"}},
     {{"RecordReference", "Код"}, {"Price", "Цена"}},
     3,
     {5}},
};

class RunPreviewTest : public testing::TestWithParam<PreviewCase> {};

TEST_P(RunPreviewTest, ShowsTheRowsAndErrorsTheRunGives)
{
    const PreviewCase& c = GetParam();
    TempFolder folder;
    const std::string workbook = folder.File("book.xlsx");
    WriteXlsxWorkbook(workbook, c.rows);
    RunInputs inputs =
        MappedInputs(c.type, c.rows[static_cast<std::size_t>(c.headerRow - 1)], c.mapping, folder.File("out.xml"));
    inputs.workbookPath = workbook;
    inputs.layout = RunLayout(c.headerRow);

    const RunPreview preview = PreviewRun(inputs);
    RecordingObserver observer;
    ConvertWorkbook(inputs, observer);

    EXPECT_EQ(preview.captions.size(), c.mapping.size());
    ASSERT_EQ(preview.rows.size(), c.rows.size() - static_cast<std::size_t>(c.headerRow));
    std::vector<int> marked;
    std::vector<std::string> errors;
    for (const RunPreview::Row& row : preview.rows) {
        if (row.marked) marked.push_back(row.number);
        errors.insert(errors.end(), row.errors.begin(), row.errors.end());
        EXPECT_EQ(row.texts.front(), c.rows[static_cast<std::size_t>(row.number - 1)][0]);
    }
    EXPECT_EQ(marked, c.marked);
    // The run logs the same row errors, then its closing lines.
    ASSERT_GE(observer.log.size(), errors.size());
    EXPECT_EQ(std::vector<std::string>(observer.log.begin(), observer.log.begin() + errors.size()), errors);
    EXPECT_EQ(PreviewRun(inputs, 1).rows.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Runs, RunPreviewTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
