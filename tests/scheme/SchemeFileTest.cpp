#include "scheme/SchemeFile.h"

#include "base/EdgeFileFault.h"
#include "base/FileFault.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <tuple>

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

struct ReadCase {
    const char* name;
    std::string bytes;
    SchemeLines lines;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadScheme : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadScheme, SplitsTheFileIntoLines)
{
    TempFolder folder;
    WriteFileBytes(folder.File("a.sch"), GetParam().bytes);
    EXPECT_EQ(ReadSchemeFile(folder.File("a.sch")), GetParam().lines);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, ReadScheme,
    testing::Values(ReadCase{"empty", "", {}}, ReadCase{"crLf", "ISBN = A\r\nVAT = B\r\n", {"ISBN = A", "VAT = B"}},
                    ReadCase{"loneLf", "ISBN = A\nVAT = B\n", {"ISBN = A", "VAT = B"}},
                    ReadCase{"loneCr", "ISBN = A\rVAT = B\r", {"ISBN = A", "VAT = B"}},
                    ReadCase{"mixedEnds", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                    ReadCase{"lfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                    ReadCase{"lastLineWithoutEnd", "ISBN = A\r\nVAT = B", {"ISBN = A", "VAT = B"}},
                    ReadCase{"emptyLinesKept", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
                    ReadCase{"trailingEmptyLine", "a\r\n\r\n", {"a", ""}}, ReadCase{"onlyALineEnd", "\r\n", {""}},
                    ReadCase{"windows1251", "\xC0\xF0\xF2\xE8\xEA\xF3\xEB = \xCA\xEE\xE4\r\n", {"Артикул = Код"}},
                    ReadCase{"utf8WithBom", std::string(kBom) + "Артикул = Ω\r\n", {"Артикул = Ω"}},
                    ReadCase{"utf8WithoutBom", "Артикул = Код\r\n", {"Артикул = Код"}},
                    ReadCase{"blanksKept", "  ISBN  =  X  \r\n", {"  ISBN  =  X  "}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    SchemeLines lines;
    std::string bytes;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class WriteScheme : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteScheme, WritesCrLfAfterEveryLineAndReadsBack)
{
    TempFolder folder;
    const std::string path = folder.File("a.sch");
    WriteSchemeFile(path, GetParam().lines);
    EXPECT_EQ(ReadFileBytes(path), GetParam().bytes);
    EXPECT_EQ(ReadSchemeFile(path), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, WriteScheme,
                         testing::Values(WriteCase{"empty", {}, ""}, WriteCase{"oneEmptyLine", {""}, "\r\n"},
                                         WriteCase{"emptyLinesBetween", {"a", "", "b", ""}, "a\r\n\r\nb\r\n\r\n"},
                                         WriteCase{"windows1251",
                                                   {"Артикул = Код", "ISBN = isbn"},
                                                   "\xC0\xF0\xF2\xE8\xEA\xF3\xEB = \xCA\xEE\xE4\r\nISBN = isbn\r\n"},
                                         WriteCase{"outsideWindows1251",
                                                   {"Артикул = Код", "Цена = €/Ω"},
                                                   std::string(kBom) + "Артикул = Код\r\nЦена = €/Ω\r\n"},
                                         // Its windows-1251 bytes would read as the UTF-8 of "С".
                                         WriteCase{"readAsUtf8InWindows1251", {"РЎ"}, std::string(kBom) + "РЎ\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST(SchemeFile, SavingReplacesThePreviousFile)
{
    TempFolder folder;
    const std::string path = folder.File("books.sch");
    WriteSchemeFile(path, {"Артикул = A", "ISBN = B", "VAT = C"});
    WriteSchemeFile(path, {"ISBN = D"});
    EXPECT_EQ(ReadSchemeFile(path), (SchemeLines{"ISBN = D"}));
}

TEST(SchemeFile, MissingFileIsAnErrorNamingIt)
{
    TempFolder folder;
    const std::string path = folder.File("нет такой.sch");
    try {
        ReadSchemeFile(path);
        ADD_FAILURE() << "no error";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path, path);
        EXPECT_EQ(fault.action, FileFault::Action::Read);
        EXPECT_EQ(fault.systemError, ENOENT);
    }
}

TEST(SchemeFile, Utf16AndWorkbooksAreRefusedForWhatTheyAre)
{
    TempFolder folder;
    const std::string path = folder.File("a.sch");
    using Reason = EdgeFileFault::Reason;
    for (const auto& [bytes, reason, encoding] :
         {std::tuple{"\xFF\xFEI\0=\0A\0"s, Reason::SchemeInUtf16, "UTF-16LE"},
          std::tuple{"\xFE\xFF\0I\0=\0A"s, Reason::SchemeInUtf16, "UTF-16BE"},
          std::tuple{"PK\x03\x04\x14\0\0\0"s, Reason::SchemeIsWorkbook, ""},
          std::tuple{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0"s, Reason::SchemeIsWorkbook, ""}}) {
        WriteFileBytes(path, bytes);
        try {
            ReadSchemeFile(path);
            ADD_FAILURE() << "read as lines: " << bytes.substr(0, 2);
        } catch (const EdgeFileFault& fault) {
            EXPECT_EQ(fault.reason, reason);
            EXPECT_EQ(fault.encoding, encoding);
            EXPECT_EQ(fault.file.path, path);
        }
    }
}

TEST(SchemeFile, FolderIsNotASchemeFile)
{
    TempFolder folder;
    try {
        ReadSchemeFile(folder.Path().string());
        ADD_FAILURE() << "no error";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path, folder.Path().string());
    }
}

TEST(SchemeFile, RefusedSaveNamesTheFileAndLeavesNothingBehind)
{
    TempFolder folder;
    const std::string path = folder.File("missing folder/a.sch");
    try {
        WriteSchemeFile(path, {"ISBN = A"});
        ADD_FAILURE() << "no error";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path, path);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}
