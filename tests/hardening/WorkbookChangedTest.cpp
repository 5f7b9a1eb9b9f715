// The workbook changes between wizard step 2, which read its header row, and
// the run: deleted, cut short by an interrupted copy, emptied. The run ends
// with the error naming the workbook, writes nothing, keeps the previous
// output, and runs again once the workbook is back.
#include "BookWorkbook.h"
#include "support/TypeIndex.h"
#include "FolderSnapshot.h"

#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "convert/Convert.h"
#include "convert/RecordingObserver.h"
#include "convert/RunLogTexts.h"
#include "messages/FaultTexts.h"
#include "convert/ReadWorkbook.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct WorkbookChange {
    const char* name;
    void (*change)(const std::string& path);
    // The message shown, the workbook's path in place of %s; a trailing "%s"
    // stands for the reader's own reason.
    const char* message;
};

void PrintTo(const WorkbookChange& c, std::ostream* os)
{
    *os << c.name;
}

void Delete(const std::string& path)
{
    std::filesystem::remove(path);
}

void CutInHalf(const std::string& path)
{
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
}

void Empty(const std::string& path)
{
    std::filesystem::resize_file(path, 0);
}

void ReplaceByFolder(const std::string& path)
{
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
}

const WorkbookChange kChanges[] = {
    {"Deleted", Delete, QRNConsts::sFileNotFound},
    {"CutInHalf", CutInHalf, QRNConsts::sWorkbookBroken},
    {"Emptied", Empty, QRNConsts::sWorkbookBroken},
    {"ReplacedByAFolder", ReplaceByFolder, QRNConsts::sFileNotReadable},
};

class WorkbookChangedTest : public testing::TestWithParam<std::tuple<TypeIndex, WorkbookChange>> {};

TEST_P(WorkbookChangedTest, EndsTheRunWithTheErrorNamingTheWorkbook)
{
    const auto& [type, change] = GetParam();
    TempFolder folder;
    const std::string workbook = folder.File("books.xlsx");
    const std::string output = folder.File("price.xml");
    WriteBookWorkbook(workbook, 200);
    WriteFileBytes(output, "previous");

    // Step 2 reads the header row; then the file changes under the wizard.
    RunInputs inputs = BookRunInputs(type, workbook, output);
    inputs.columnNames = ReadWorkbookColumnNames(workbook, inputs.regional);
    const std::string intact = ReadFileBytes(workbook);
    change.change(workbook);
    const FolderSnapshot before = SnapshotOf(folder.Path().string());

    RecordingObserver observer;
    try {
        ConvertWorkbook(inputs, observer);
        FAIL() << "the run did not fail";
    } catch (const std::exception& error) {
        const std::string expected = FormatMessage(change.message, {workbook, ""});
        EXPECT_EQ(UserMessage(error).substr(0, expected.size()), expected) << UserMessage(error);
    }
    EXPECT_EQ(SnapshotOf(folder.Path().string()), before);
    EXPECT_EQ(ReadFileBytes(output), "previous");
    EXPECT_TRUE(std::find(observer.log.begin(), observer.log.end(), QRNConsts::sFileSaved) == observer.log.end());

    // The workbook back in place, the same inputs convert.
    std::filesystem::remove_all(workbook);
    WriteFileBytes(workbook, intact);
    EXPECT_TRUE(ConvertWorkbook(inputs, observer).allSaved);
    EXPECT_EQ(TemporaryFilesIn(folder.Path().string()), 0);
}

INSTANTIATE_TEST_SUITE_P(Changes, WorkbookChangedTest,
                         testing::Combine(testing::Values(TypeIndex(0), kInvoiceType), testing::ValuesIn(kChanges)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == kInvoiceType ? "Invoice_" : "PriceList_")
                                    + std::get<1>(info.param).name;
                         });

} // namespace
