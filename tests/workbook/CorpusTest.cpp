#include "messages/FaultMessages.h"
#include "workbook/CellDump.h"
#include "workbook/SheetRows.h"
#include "workbook/Workbook.h"
#include "support/TempFolder.h"
#include "workbook/open/OpenWorkbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = "../shared/corpus";
// Excel 2.x-4.0 files, kept apart from the corpus but read the same way.
const fs::path kOldXlsCorpus = "../shared/corpus-old-xls";

struct CorpusFile {
    fs::path corpus;
    std::string file; // the path below the corpus' files/ and expected/
};

void PrintTo(const CorpusFile& c, std::ostream* os)
{
    *os << (c.corpus / "files" / c.file).generic_string();
}

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

using Listing = std::vector<std::tuple<int, int, std::string>>;

Listing HeldListing(const Workbook& book)
{
    Listing cells;
    book.ForEachCell([&](int row, int column, const std::string& text) { cells.emplace_back(row, column, text); });
    return cells;
}

// The cells as the runs take them, row by row while the sheet is read; the
// held listing when the file gives its rows out of order (the runs then read
// it whole too).
Listing StreamedListing(const std::string& file, const Listing& held)
{
    Listing cells;
    try {
        const auto rows = StreamSheetRows(file, Regional::Russian());
        while (const SheetRow* row = rows->Next())
            row->ForEachCell(
                [&](int column, std::string_view text) { cells.emplace_back(row->Number(), column, text); });
    } catch (const SheetOutOfOrder&) {
        return held;
    }
    return cells;
}

std::vector<std::string> HeldFirstRow(const Workbook& book)
{
    std::vector<std::string> texts(static_cast<std::size_t>(book.LastColumn(1)));
    for (std::size_t c = 0; c < texts.size(); ++c) texts[c] = book.CellText(1, static_cast<int>(c) + 1);
    return texts;
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
                HeldSheetRows rows(*book);
                std::ostringstream ignored;
                std::size_t written = 0;
                DumpCells(rows, ignored, written);
            },
            WorkbookFault)
            << name << " must be refused as " << ReadFileBytes(errorFile.string());
        return;
    }
    ASSERT_TRUE(fs::exists(cellsFile)) << "no expected cells for " << name;
    std::ostringstream dump;
    std::unique_ptr<Workbook> book;
    try {
        book = OpenWorkbook(file, Regional::Russian());
        HeldSheetRows rows(*book);
        std::size_t written = 0;
        DumpCells(rows, dump, written);
    } catch (const WorkbookFault& fault) {
        FAIL() << name << ": " << WorkbookFaultMessage(fault);
    }
    const std::string wanted = ReadFileBytes(cellsFile.string());
    if (dump.str() != wanted) ADD_FAILURE() << name << ": " << FirstDifference(dump.str(), wanted);

    // The runs take the same cells row by row, and step 2 row 1 alone.
    const Listing held = HeldListing(*book);
    EXPECT_TRUE(StreamedListing(file, held) == held) << name << ": the rows read one by one differ";
    EXPECT_EQ(ReadHeaderRow(file, Regional::Russian()), HeldFirstRow(*book)) << name;
}

std::string TestName(const testing::TestParamInfo<CorpusFile>& info)
{
    std::string name = info.param.file;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
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
