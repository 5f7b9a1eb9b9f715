// An output file that cannot be written, for each way a run is started: the
// run ends with the Russian error naming the file and the reason, the files
// that were there are exactly as they were, no temporary file is left, and
// the next run (the window's or the command line's) works.
#include "BookWorkbook.h"
#include "FolderSnapshot.h"
#include "OrdinaryUser.h"
#include "TmpfsMount.h"

#include "app/cli/CommandLineConverter.h"
#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "convert/Convert.h"
#include "convert/RecordingObserver.h"
#include "convert/RunLogTexts.h"
#include "messages/FaultTexts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Front { PriceList, Invoice, CommandLine };

int Occurrences(const std::string& text, const std::string& needle)
{
    int count = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++count;
    return count;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string FrontName(Front front)
{
    switch (front) {
    case Front::PriceList: return "PriceList";
    case Front::Invoice: return "Invoice";
    case Front::CommandLine: return "CommandLine";
    }
    return "";
}

void PrintTo(Front front, std::ostream* os)
{
    *os << FrontName(front);
}

// Where a test's files live: the workbook, scheme and settings at the top,
// the output somewhere the fault makes unwritable.
struct FaultSite {
    TempFolder folder;
    std::unique_ptr<TmpfsMount> disk;
    bool asOrdinaryUser = false;
    std::string skip;

    FaultSite() { std::filesystem::permissions(folder.Path(), std::filesystem::perms(0755)); }

    std::string Folder(const std::string& name) const
    {
        const std::string path = folder.File(name);
        std::filesystem::create_directory(path);
        return path;
    }
};

struct OutputFault {
    const char* name;
    // Lays out the fault and gives the output path.
    std::string (*prepare)(FaultSite& site);
    const char* reason;
    int rows;
    std::size_t annotationLength;
};

void PrintTo(const OutputFault& c, std::ostream* os)
{
    *os << c.name;
}

std::string MissingFolder(FaultSite& site)
{
    return site.folder.File("removed/price.xml");
}

std::string ReadOnlyFolder(FaultSite& site)
{
    const std::string folder = site.Folder("locked");
    WriteFileBytes(folder + "/price.xml", "previous");
    ::chmod(folder.c_str(), 0555);
    site.asOrdinaryUser = true;
    return folder + "/price.xml";
}

std::string FolderAsOutput(FaultSite& site)
{
    const std::string folder = site.Folder("price.xml");
    WriteFileBytes(folder + "/inside.txt", "kept");
    return folder;
}

std::string ReadOnlyFile(FaultSite& site)
{
    const std::string output = site.folder.File("price.xml");
    WriteFileBytes(output, "previous");
    ::chmod(output.c_str(), 0444);
    return output;
}

// The folder lets anyone replace its files; the file itself is another
// user's and may not be written by the runner.
std::string OthersFileInAnOpenFolder(FaultSite& site)
{
    const std::string folder = site.Folder("shared");
    ::chmod(folder.c_str(), 0777);
    WriteFileBytes(folder + "/price.xml", "previous");
    ::chmod((folder + "/price.xml").c_str(), 0644);
    site.asOrdinaryUser = true;
    if (::geteuid() != 0) site.skip = "another user's file needs root to make";
    return folder + "/price.xml";
}

std::string SmallDisk(FaultSite& site, std::size_t bytes)
{
    const std::string folder = site.Folder("disk");
    site.disk = std::make_unique<TmpfsMount>(folder, bytes);
    if (!site.disk->Failure().empty()) site.skip = "no small disk to fill: " + site.disk->Failure();
    WriteFileBytes(folder + "/price.xml", "previous");
    return folder + "/price.xml";
}

std::string FullDisk(FaultSite& site)
{
    return SmallDisk(site, 64 * 1024);
}

std::string ReadOnlyMedium(FaultSite& site)
{
    const std::string output = SmallDisk(site, 1024 * 1024);
    if (site.skip.empty()) site.disk->MakeReadOnly();
    return output;
}

const OutputFault kFaults[] = {
    {"OutputFolderMissing", MissingFolder, QRNConsts::sReasonNoSuchFolder, 3, 40},
    {"OutputFolderReadOnly", ReadOnlyFolder, QRNConsts::sReasonAccessDenied, 3, 40},
    {"OutputPathIsAFolder", FolderAsOutput, QRNConsts::sReasonIsFolder, 3, 40},
    {"OutputFileReadOnly", ReadOnlyFile, QRNConsts::sReasonAccessDenied, 3, 40},
    {"OthersFileInAnOpenFolder", OthersFileInAnOpenFolder, QRNConsts::sReasonAccessDenied, 3, 40},
    // Well over the disk's 64 KB, in every package of an invoice too.
    {"DiskFull", FullDisk, QRNConsts::sReasonDiskFull, 2000, 300},
    {"ReadOnlyMedium", ReadOnlyMedium, QRNConsts::sReasonReadOnly, 3, 40},
};

class OutputFaultTest : public testing::TestWithParam<std::tuple<Front, OutputFault>> {
protected:
    TDocumentType Type() const
    {
        return std::get<0>(GetParam()) == Front::Invoice ? kInvoiceType : TDocumentType::Books;
    }

    // The error the front end shows; "" when it reported none.
    std::string Run(const std::string& output)
    {
        const std::string workbook = site.folder.File("books.xlsx");
        if (std::get<0>(GetParam()) == Front::CommandLine) {
            std::ostringstream out;
            std::ostringstream err;
            const int status = RunCommandLine(
                BookCommandLine(0, workbook, output, site.folder.File("books.sch"), site.folder.File("quarnel.ini")),
                RegionalProfiles{Regional::Russian()}, out, err, false);
            exitStatus = status;
            return err.str();
        }
        try {
            observer = RecordingObserver();
            RunInputs inputs = BookRunInputs(Type(), workbook, output);
            // One invoice, one file: the package case has a test of its own.
            inputs.noSeparate15Pos = true;
            result = ConvertWorkbook(inputs, observer);
        } catch (const std::exception& error) {
            return UserMessage(error) + "\n";
        }
        return "";
    }

    FaultSite site;
    RecordingObserver observer;
    RunResult result;
    int exitStatus = -1;
};

TEST_P(OutputFaultTest, EndsWithTheErrorNamingTheFileAndLosesNothing)
{
    const OutputFault& fault = std::get<1>(GetParam());
    WriteBookWorkbook(site.folder.File("books.xlsx"), fault.rows, fault.annotationLength);
    WriteBookScheme(site.folder.File("books.sch"), 0);
    const std::string output = fault.prepare(site);
    if (!site.skip.empty()) GTEST_SKIP() << site.skip;
    const FolderSnapshot before = SnapshotOf(site.folder.Path().string());

    std::string shown;
    if (site.asOrdinaryUser) {
        const OrdinaryUserScope user;
        if (!user.Failure().empty()) GTEST_SKIP() << user.Failure();
        shown = Run(output);
    } else {
        shown = Run(output);
    }

    EXPECT_EQ(shown, FormatMessage(QRNConsts::sFileNotWritable, {output, fault.reason}) + "\n");
    if (std::get<0>(GetParam()) == Front::CommandLine) {
        EXPECT_EQ(exitStatus, kExitFailure);
    }
    EXPECT_EQ(SnapshotOf(site.folder.Path().string()), before);
    EXPECT_EQ(TemporaryFilesIn(site.folder.Path().string()), 0);

    // Still usable: the same inputs with a writable output convert.
    const std::string good = site.folder.File("good.xml");
    const bool commandLine = std::get<0>(GetParam()) == Front::CommandLine;
    const std::string rows = std::to_string(fault.rows);
    EXPECT_EQ(Run(good), commandLine ? FormatMessage(QRNConsts::sRowsConverted, {rows}) + "\n"
                                           + FormatMessage(QRNConsts::sFileSavedWithRows, {good, rows}) + "\n"
                                     : "");
    EXPECT_TRUE(std::filesystem::is_regular_file(good));
    if (std::get<0>(GetParam()) == Front::CommandLine) {
        EXPECT_EQ(exitStatus, kExitAllSaved);
    } else {
        EXPECT_TRUE(result.allSaved);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, OutputFaultTest,
                         testing::Combine(testing::Values(Front::PriceList, Front::Invoice, Front::CommandLine),
                                          testing::ValuesIn(kFaults)),
                         [](const auto& info) {
                             return FrontName(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

} // namespace

namespace {

// The disk fills up in the middle of a package of invoices: none of the
// package's files is replaced, nothing is left behind, the log claims no
// saved invoice, and the error names the file that did not fit.
TEST(InvoicePackageOnAFullDisk, ReplacesNoneOfItsInvoices)
{
    FaultSite site;
    const std::string folder = site.Folder("disk");
    const TmpfsMount disk(folder, 16 * 1024);
    if (!disk.Failure().empty()) GTEST_SKIP() << "no small disk to fill: " << disk.Failure();
    const std::string workbook = site.folder.File("books.xlsx");
    WriteBookWorkbook(workbook, 150);
    WriteFileBytes(folder + "/invoice-1.xml", "previous");
    const FolderSnapshot before = SnapshotOf(folder);

    RecordingObserver observer;
    std::string shown;
    try {
        ConvertWorkbook(BookRunInputs(kInvoiceType, workbook, folder + "/invoice.xml"), observer);
    } catch (const std::exception& error) {
        shown = UserMessage(error);
    }

    int failed = 2;
    while (failed < 10
           && shown
                  != FormatMessage(QRNConsts::sFileNotWritable, {folder + "/invoice-" + std::to_string(failed) + ".xml",
                                                                 QRNConsts::sReasonDiskFull}))
        ++failed;
    EXPECT_LT(failed, 10) << "the disk did not fill up after the first invoice: " << shown;
    EXPECT_EQ(SnapshotOf(folder), before);
    EXPECT_EQ(Occurrences(Joined(observer.log), QRNConsts::sFileSaved), 0);
}

} // namespace
