// Files a run must never destroy. The command line refuses, before writing
// anything, an output, log or saved scheme that is the workbook, the scheme,
// the settings or another file of the same run, however its path is written,
// and any file to write or read that is not a regular file: every file in the
// folder stays exactly as it was.
#include "BookWorkbook.h"
#include "FolderSnapshot.h"

#include "app/cli/CommandLineConverter.h"
#include "base/MessageFormat.h"
#include "convert/RunLogTexts.h"
#include "messages/FaultTexts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

struct GuardCase {
    const char* name;
    const char* workbook;
    const char* output;
    std::vector<std::string> options; // file names are those of the test folder
    std::string message;              // with "@" before each name of the folder
};

void PrintTo(const GuardCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string SameFile(const char* target, const char* other)
{
    return FormatMessage(QRNConsts::sSameFile, {std::string("@") + target, std::string("@") + other});
}

std::string NotRegular(const char* message, const char* name, const char* reason = QRNConsts::sReasonNotRegularFile)
{
    return FormatMessage(message, {std::string("@") + name, reason});
}

std::string InFolder(std::string text, const TempFolder& folder)
{
    for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at))
        text.replace(at, 1, folder.File(""));
    return text;
}

class FileGuardTest : public testing::TestWithParam<GuardCase> {};

TEST_P(FileGuardTest, RefusesBeforeWritingAndKeepsEveryFile)
{
    const GuardCase& c = GetParam();
    TempFolder folder;
    WriteBookWorkbook(folder.File("book.xlsx"), 20);
    WriteBookScheme(folder.File("books.sch"), 0);
    WriteFileBytes(folder.File("quarnel.ini"), "[Params]\r\nFromCompany=X\r\n");
    std::filesystem::create_symlink("book.xlsx", folder.File("link.xlsx"));
    std::filesystem::create_hard_link(folder.File("book.xlsx"), folder.File("hard.xlsx"));
    std::filesystem::create_directory(folder.File("x"));
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0644), 0);
    std::filesystem::create_symlink("loop", folder.File("loop"));
    // A device of our own, like /dev/null; never the machine's.
    if (::mknod(folder.File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0
        && c.message.find("@null") != std::string::npos)
        GTEST_SKIP() << "devices cannot be made here";
    const FolderSnapshot before = SnapshotOf(folder.Path().string());

    std::vector<std::string> arguments = BookCommandLine(0, folder.File(c.workbook), folder.File(c.output),
                                                         folder.File("books.sch"), folder.File("quarnel.ini"));
    for (std::size_t i = 0; i < c.options.size(); i += 2)
        arguments.insert(arguments.end(), {c.options[i], folder.File(c.options[i + 1])});
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(arguments, RegionalProfiles{Regional::Russian()}, out, err, false), kExitFailure);

    EXPECT_EQ(err.str(), InFolder(c.message, folder) + "\n");
    EXPECT_EQ(SnapshotOf(folder.Path().string()), before);
    EXPECT_EQ(TemporaryFilesIn(folder.Path().string()), 0);
}

const char* const kNotWritable = QRNConsts::sFileNotWritable;

INSTANTIATE_TEST_SUITE_P(
    Cases, FileGuardTest,
    testing::Values(
        GuardCase{"OutputIsTheWorkbook", "book.xlsx", "book.xlsx", {}, SameFile("book.xlsx", "book.xlsx")},
        GuardCase{"OutputByAnotherPath", "book.xlsx", "x/../book.xlsx", {}, SameFile("x/../book.xlsx", "book.xlsx")},
        GuardCase{"OutputIsALinkToIt", "book.xlsx", "link.xlsx", {}, SameFile("link.xlsx", "book.xlsx")},
        GuardCase{"OutputIsAHardLink", "book.xlsx", "hard.xlsx", {}, SameFile("hard.xlsx", "book.xlsx")},
        GuardCase{"OutputIsTheScheme", "book.xlsx", "books.sch", {}, SameFile("books.sch", "books.sch")},
        GuardCase{"OutputIsTheSettings", "book.xlsx", "quarnel.ini", {}, SameFile("quarnel.ini", "quarnel.ini")},
        GuardCase{"LogIsTheWorkbook", "book.xlsx", "o.xml", {"--log", "link.xlsx"}, SameFile("link.xlsx", "book.xlsx")},
        GuardCase{"LogIsTheOutput", "book.xlsx", "o.xml", {"--log", "o.xml"}, SameFile("o.xml", "o.xml")},
        GuardCase{"SavedSchemeIsTheWorkbook",
                  "book.xlsx",
                  "o.xml",
                  {"--save-scheme", "hard.xlsx"},
                  SameFile("hard.xlsx", "book.xlsx")},
        GuardCase{"SavedSchemeIsTheLog",
                  "book.xlsx",
                  "o.xml",
                  {"--log", "r.log", "--save-scheme", "r.log"},
                  SameFile("r.log", "r.log")},
        GuardCase{"OutputIsAFifo", "book.xlsx", "pipe", {}, NotRegular(kNotWritable, "pipe")},
        GuardCase{"OutputIsADevice", "book.xlsx", "null", {}, NotRegular(kNotWritable, "null")},
        GuardCase{"LogIsADevice", "book.xlsx", "o.xml", {"--log", "null"}, NotRegular(kNotWritable, "null")},
        GuardCase{
            "OutputIsALinkLoop", "book.xlsx", "loop", {}, NotRegular(kNotWritable, "loop", QRNConsts::sReasonLinkLoop)},
        GuardCase{"WorkbookIsAFifo", "pipe", "o.xml", {}, NotRegular(QRNConsts::sFileNotReadable, "pipe")}),
    [](const auto& info) { return std::string(info.param.name); });

// Settings that are no regular file are read as empty and said so once; the
// run goes on with what the command line gives.
TEST(SettingsThatAreAFifo, AreNamedOnceAndTheRunGoesOn)
{
    TempFolder folder;
    WriteBookWorkbook(folder.File("book.xlsx"), 3);
    WriteBookScheme(folder.File("books.sch"), 0);
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0644), 0);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(BookCommandLine(0, folder.File("book.xlsx"), folder.File("o.xml"),
                                             folder.File("books.sch"), folder.File("pipe")),
                             RegionalProfiles{Regional::Russian()}, out, err, false),
              kExitAllSaved);
    EXPECT_EQ(err.str(),
              FormatMessage(QRNConsts::sSettingsNotRead, {folder.File("pipe"), QRNConsts::sReasonNotRegularFile}) + "\n"
                  + FormatMessage(QRNConsts::sRowsConverted, {"3"}) + "\n"
                  + FormatMessage(QRNConsts::sFileSavedWithRows, {folder.File("o.xml"), "3"}) + "\n");
    EXPECT_TRUE(std::filesystem::is_fifo(folder.File("pipe")));
}

} // namespace
