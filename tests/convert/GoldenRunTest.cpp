#include "convert/Convert.h"
#include "support/TypeIndex.h"
#include "convert/GoldenCase.h"
#include "convert/RecordingObserver.h"
#include "convert/RunFixture.h"

#include "catalogue/FieldCatalogue.h"
#include "convert/ReadWorkbook.h"
#include "scheme/SchemeFile.h"

#include <gtest/gtest.h>

namespace {

class GoldenRunTest : public testing::TestWithParam<GoldenCase> {};

// The library run, fed as the wizard feeds it after step 4.
TEST_P(GoldenRunTest, WritesTheExpectedFilesAndLog)
{
    const GoldenCase& golden = GetParam();
    TempFolder folder;
    const std::string workbookPath = folder.File("book.xlsx");
    golden.WriteWorkbook(workbookPath);

    RunInputs inputs;
    inputs.workbookPath = workbookPath;
    inputs.outputPath = folder.File(golden.Input("output"));
    inputs.documentType = TypeIndex(std::stoi(golden.Input("type")));
    inputs.fromSAN = golden.Input("fromSAN");
    inputs.fromCompany = golden.Input("fromCompany");
    inputs.fromPerson = golden.Input("fromPerson");
    inputs.toSAN = golden.Input("toSAN");
    inputs.toCompany = golden.Input("toCompany");
    inputs.toPerson = golden.Input("toPerson");
    inputs.messageNumber = golden.Input("messageNumber");
    inputs.documentReference = golden.Input("documentReference");
    inputs.sentDate = golden.Input("date");
    inputs.noSeparate15Pos = golden.Input("noSplit") == "1";
    inputs.columnNames = ReadWorkbookColumnNames(workbookPath, inputs.regional);
    inputs.fieldCaptions = FieldCaptions(inputs.documentType);
    inputs.scheme = ReadSchemeFile(golden.SchemeFile().string());

    RecordingObserver observer;
    const RunResult result = ConvertWorkbook(inputs, observer);

    std::string log;
    for (const std::string& line : observer.log) log += line + "\n";
    EXPECT_EQ(log, golden.ExpectedLog());
    EXPECT_EQ(WrittenFiles(folder.Path(), "book.xlsx"), golden.ExpectedFiles());
    EXPECT_EQ(result.allSaved, golden.Input("exit") == "0");
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenRunTest, testing::ValuesIn(LoadGoldenCases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) { return GoldenTestName(info.param); });

} // namespace
