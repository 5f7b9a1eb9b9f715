#include "base/QuarnelError.h"
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

// Every workbook of the corpus, as its path below files/.
std::vector<std::string> CorpusFiles()
{
    std::vector<std::string> files;
    std::error_code code;
    for (fs::recursive_directory_iterator it(kCorpus / "files", code), end; !code && it != end; it.increment(code))
        if (it->is_regular_file()) files.push_back(fs::relative(it->path(), kCorpus / "files").generic_string());
    std::sort(files.begin(), files.end());
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

class CorpusTest : public testing::TestWithParam<std::string> {};

TEST_P(CorpusTest, ReadsTheFirstSheetAsExpected)
{
    const std::string file = (kCorpus / "files" / GetParam()).string();
    const fs::path expected = kCorpus / "expected" / GetParam();
    const fs::path cellsFile = expected.string() + ".cells";
    const fs::path errorFile = expected.string() + ".error";

    if (fs::exists(errorFile)) {
        EXPECT_THROW(
            {
                auto book = OpenWorkbook(file, Regional::Russian());
                std::ostringstream ignored;
                DumpCells(*book, ignored);
            },
            QuarnelError)
            << GetParam() << " must be refused as " << ReadFileBytes(errorFile.string());
        return;
    }
    ASSERT_TRUE(fs::exists(cellsFile)) << "no expected cells for " << GetParam();
    std::ostringstream dump;
    try {
        DumpCells(*OpenWorkbook(file, Regional::Russian()), dump);
    } catch (const QuarnelError& error) {
        FAIL() << GetParam() << ": " << error.what();
    }
    const std::string wanted = ReadFileBytes(cellsFile.string());
    if (dump.str() != wanted) ADD_FAILURE() << GetParam() << ": " << FirstDifference(dump.str(), wanted);
}

std::string TestName(const testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param;
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
    EXPECT_GE(CorpusFiles().size(), 60u) << "tests run with the project root as working directory";
}

} // namespace
