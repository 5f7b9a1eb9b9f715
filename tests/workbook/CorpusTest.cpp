#include "catalogue/FaultMessages.h"
#include "workbook/CellDump.h"
#include "workbook/Workbook.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = "../shared/corpus";
// Excel 2.x-4.0 files, kept apart from the corpus but read the same way.
const fs::path kOldXlsCorpus = "../shared/corpus-old-xls";

struct CorpusFile {
    fs::path corpus;
    std::string file;  // the path below the corpus' files/ and expected/
};

// Every workbook of the corpora.
std::vector<CorpusFile> CorpusFiles()
{
    std::vector<CorpusFile> files;
    for (const fs::path& corpus : {kCorpus, kOldXlsCorpus}) {
        std::vector<std::string> names;
        std::error_code code;
        for (fs::recursive_directory_iterator it(corpus / "files", code), end; !code && it != end; it.increment(code))
            if (it->is_regular_file()) names.push_back(fs::relative(it->path(), corpus / "files").generic_string());
        std::sort(names.begin(), names.end());
        for (std::string& name : names) files.push_back({corpus, std::move(name)});
    }
    return files;
}

// The first line where two dumps part, for a message that points at it.
std::string FirstDifference(const std::string& actual, const std::string& expected)
{
    std::istringstream a(actual);
    std::istringstream e(expected);
    std::string lineA;
    std::string lineE;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreE = static_cast<bool>(std::getline(e, lineE));
        if (!moreA && !moreE) return "the dumps differ only in line ends";
        if (!moreA || !moreE || lineA != lineE)
            return "line " + std::to_string(line) + ": read \"" + (moreA ? lineA : "<end>") + "\", expected \""
                + (moreE ? lineE : "<end>") + "\"";
    }
}

class CorpusTest : public testing::TestWithParam<CorpusFile> {};

TEST_P(CorpusTest, ReadsTheFirstSheetAsExpected)
{
    const std::string& name = GetParam().file;
    const std::string file = (GetParam().corpus / "files" / name).string();
    const fs::path expected = GetParam().corpus / "expected" / name;
    const fs::path cellsFile = expected.string() + ".cells";
    const fs::path errorFile = expected.string() + ".error";

    if (fs::exists(errorFile)) {
        EXPECT_THROW(
            {
                auto book = OpenWorkbook(file, Regional::Russian());
                std::ostringstream ignored;
                DumpCells(*book, ignored);
            },
            WorkbookFault)
            << name << " must be refused as " << ReadFileBytes(errorFile.string());
        return;
    }
    ASSERT_TRUE(fs::exists(cellsFile)) << "no expected cells for " << name;
    std::ostringstream dump;
    try {
        DumpCells(*OpenWorkbook(file, Regional::Russian()), dump);
    } catch (const WorkbookFault& fault) {
        FAIL() << name << ": " << WorkbookFaultMessage(fault);
    }
    const std::string wanted = ReadFileBytes(cellsFile.string());
    if (dump.str() != wanted) ADD_FAILURE() << name << ": " << FirstDifference(dump.str(), wanted);
}

std::string TestName(const testing::TestParamInfo<CorpusFile>& info)
{
    std::string name = info.param.file;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusTest, testing::ValuesIn(CorpusFiles()), TestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusTest);

// The corpus lives beside the repository, not in it: a clone of the
// repository alone skips it.
TEST(CorpusFiles, AreFoundFromTheProjectRoot)
{
    if (!fs::exists(kCorpus)) GTEST_SKIP() << "no shared corpus at " << kCorpus << " beside the repository";
    EXPECT_GE(CorpusFiles().size(), 63u) << "tests run with the project root as working directory";
}

} // namespace
