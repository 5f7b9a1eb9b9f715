// A run killed in the middle (the power fails, the user kills the program):
// the previous output file is exactly as it was, no file of the killed run
// is left where files can be written without a name, and elsewhere the next
// run removes the one it left.
#include "BookWorkbook.h"
#include "ChildProcess.h"
#include "FolderSnapshot.h"

#include "app/cli/CommandLineConverter.h"
#include "app/common/InterruptHandlers.h"
#include "base/FileReplacement.h"
#include "base/TemporaryFiles.h"
#include "convert/Convert.h"
#include "convert/RecordingObserver.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <thread>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Front { PriceList, Invoice, CommandLine };

void PrintTo(Front front, std::ostream* os)
{
    *os << (front == Front::PriceList ? "PriceList" : front == Front::Invoice ? "Invoice" : "CommandLine");
}

constexpr char kPrevious[] = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<KALMIRAMessage/>\r\n";

// The size of the output the run is writing, once it has one, else -1: a
// file without a name in the folder, or one under a temporary name.
long OutputBeingWritten(int pid, const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path descriptors = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto& entry : std::filesystem::directory_iterator(descriptors, error)) {
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (!target.starts_with(folder + "/")) continue;
        const std::string name = target.substr(folder.size() + 1);
        if (name.starts_with(".quarnel.tmp-") || name.ends_with(" (deleted)"))
            return static_cast<long>(std::filesystem::file_size(entry.path(), error));
    }
    return -1;
}

// Whether the folder's file system gives files without a name, which a
// killed process cannot leave behind.
bool UnnamedFilesIn(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// Starts the conversion of the workbook into folder/price.xml in a process of
// its own.
int StartRun(Front front, const TempFolder& folder, const std::string& workbook)
{
    const std::string output = folder.File("price.xml");
    if (front == Front::CommandLine) {
        const auto arguments =
            BookCommandLine(0, workbook, output, folder.File("books.sch"), folder.File("quarnel.ini"));
        return StartChild([&] {
            std::vector<char*> argv = {const_cast<char*>(QUARNEL_CONVERT_BINARY)};
            for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            // The date given is in the Russian short date format.
            ::setenv("LC_ALL", "ru_RU.UTF-8", 1);
            const int said = ::open(folder.File("said.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(said, STDOUT_FILENO);
            ::dup2(said, STDERR_FILENO);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        });
    }
    return StartChild([&] {
        RunInputs inputs =
            BookRunInputs(front == Front::Invoice ? kInvoiceType : TDocumentType::Books, workbook, output);
        inputs.noSeparate15Pos = true;
        RecordingObserver observer;
        (void)ConvertWorkbook(inputs, observer);
    });
}

class KilledRunTest : public testing::TestWithParam<Front> {};

TEST_P(KilledRunTest, LeavesThePreviousFileAndTheNextRunCleansUp)
{
    TempFolder folder;
    const std::string big = folder.File("big.xlsx");
    const std::string small = folder.File("small.xlsx");
    WriteBookWorkbook(big, 150000);
    WriteBookWorkbook(small, 3);
    WriteBookScheme(folder.File("books.sch"), 0);
    const std::string output = folder.File("price.xml");
    WriteFileBytes(output, kPrevious);

    // Killed once the run has written part of its output.
    const int pid = StartRun(GetParam(), folder, big);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (OutputBeingWritten(pid, folder.Path().string()) <= 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ::kill(pid, SIGKILL);
    ASSERT_TRUE(WaitForKilledChild(pid)) << "the run ended before it could be killed";

    EXPECT_EQ(ReadFileBytes(output), kPrevious);
    EXPECT_EQ(TemporaryFilesIn(folder.Path().string()), UnnamedFilesIn(folder.Path().string()) ? 0 : 1)
        << "the killed run's partial output";

    const int next = StartRun(GetParam(), folder, small);
    EXPECT_FALSE(WaitForKilledChild(next));
    EXPECT_EQ(TemporaryFilesIn(folder.Path().string()), 0);
    EXPECT_NE(ReadFileBytes(output).find("A-4"), std::string::npos) << "the next run's message";
}

// Ctrl-C or SIGTERM: the command line removes its temporary file itself and
// ends by the signal, so the shell sees 130 or 143.
class InterruptedRunTest : public testing::TestWithParam<int> {};

TEST_P(InterruptedRunTest, LeavesNoTemporaryFileAndEndsByTheSignal)
{
    TempFolder folder;
    const std::string big = folder.File("big.xlsx");
    WriteBookWorkbook(big, 150000);
    WriteBookScheme(folder.File("books.sch"), 0);
    const std::string output = folder.File("price.xml");
    WriteFileBytes(output, kPrevious);

    const int pid = StartRun(Front::CommandLine, folder, big);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (OutputBeingWritten(pid, folder.Path().string()) <= 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ::kill(pid, GetParam());
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam()) << "status " << status;
    EXPECT_EQ(ReadFileBytes(output), kPrevious);
    EXPECT_EQ(TemporaryFilesIn(folder.Path().string()), 0);
    const std::string said = ReadFileBytes(folder.File("said.txt"));
    EXPECT_TRUE(said.ends_with(std::string("Преобразование прервано сигналом ")
                               + (GetParam() == SIGINT ? "SIGINT" : "SIGTERM") + "; файлы не изменены.\n"))
        << said;
}

// A program ended while it waits for its user has interrupted no conversion
// and says nothing of one.
TEST_P(InterruptedRunTest, SaysNothingOutsideARun)
{
    TempFolder folder;
    const int pid = StartChild([&] {
        const int said = ::open(folder.File("said.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(said, STDERR_FILENO);
        InstallInterruptHandlers([](int, bool) { return std::string("interrupted"); });
        {
            const InterruptNotice noticeOfAnEndedRun;
        }
        ::raise(GetParam());
    });
    EXPECT_TRUE(WaitForKilledChild(pid));
    EXPECT_EQ(ReadFileBytes(folder.File("said.txt")), "");
}

// A signal while a package of 240 invoices replaces the previous one, held
// at its 121st rename: SIGINT and SIGTERM wait until every file is renamed
// and say so; after SIGKILL the next run in the folder completes the package.
class PackageRenameTest : public testing::TestWithParam<int> {};

TEST_P(PackageRenameTest, ReplacesThePackageWhole)
{
    constexpr int kFiles = 240;
    TempFolder folder;
    WriteBookWorkbook(folder.File("invoice.xlsx"), kFiles * 15);
    WriteBookScheme(folder.File("invoice.sch"), kInvoiceType);
    const auto run = [&](const std::string& number) {
        auto arguments = BookCommandLine(kInvoiceType, folder.File("invoice.xlsx"), folder.File("inv.xml"),
                                         folder.File("invoice.sch"), folder.File("quarnel.ini"));
        arguments[3] = number;
        arguments.insert(arguments.end(), {"--log", folder.File("run.log")});
        std::ostringstream out, err;
        return RunCommandLine(arguments, {Regional::Russian(), false}, out, err, false);
    };
    ASSERT_EQ(run("OLD"), 0);
    int atRename[2], goOn[2];
    ASSERT_EQ(::pipe(atRename), 0);
    ASSERT_EQ(::pipe(goOn), 0);
    const int pid = StartChild([&] {
        const int said = ::open(folder.File("said.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(said, STDERR_FILENO);
        InstallRunInterruptHandlers();
        FileReplacement::SetRenameHook([&](std::size_t i) {
            char c = 0;
            if (i == kFiles / 2 && ::write(atRename[1], &c, 1) == 1) (void)!::read(goOn[0], &c, 1);
        });
        run("NEW");
    });
    ::close(atRename[1]);
    char c = 0;
    ASSERT_EQ(::read(atRename[0], &c, 1), 1) << "the run ended before its renames";
    ::kill(pid, GetParam());
    ASSERT_EQ(::write(goOn[1], &c, 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam()) << "status " << status;

    const auto newFiles = [&] {
        int count = 0;
        for (int k = 1; k <= kFiles; ++k)
            count += ReadFileBytes(folder.File("inv-" + std::to_string(k) + ".xml"))
                         .find("<MessageNumber>NEW-" + std::to_string(k) + "<")
                     != std::string::npos;
        return count;
    };
    if (GetParam() == SIGKILL) {
        EXPECT_EQ(newFiles(), kFiles / 2) << "renamed before the kill";
        WriteBookScheme(folder.File("books.sch"), 0);
        std::ostringstream out, err;
        ASSERT_EQ(RunCommandLine(BookCommandLine(0, folder.File("invoice.xlsx"), folder.File("next.xml"),
                                                 folder.File("books.sch"), folder.File("quarnel.ini")),
                                 {Regional::Russian(), false}, out, err, false),
                  0);
    } else {
        EXPECT_TRUE(ReadFileBytes(folder.File("said.txt"))
                        .ends_with(std::string("Преобразование прервано сигналом ")
                                   + (GetParam() == SIGINT ? "SIGINT" : "SIGTERM")
                                   + " после замены файлов; новые файлы сохранены.\n"));
    }
    EXPECT_EQ(newFiles(), kFiles);
    EXPECT_NE(ReadFileBytes(folder.File("run.log")).find("NEW-240"), std::string::npos);
    EXPECT_EQ(TemporaryFilesIn(folder.Path().string()), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, PackageRenameTest, testing::Values(SIGINT, SIGTERM, SIGKILL),
                         [](const auto& info) { return std::string(::sigabbrev_np(info.param)); });

// A package holds no descriptor per file: 100 invoices under 64 open files.
TEST(PackageDescriptors, AHundredInvoicesConvertUnderSixtyFourOpenFiles)
{
    TempFolder folder;
    WriteBookWorkbook(folder.File("invoice.xlsx"), 1500);
    const ChildOutcome outcome = RunInChild(
        [&] {
            const rlimit limit{64, 64};
            if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) return std::string("no limit");
            RecordingObserver observer;
            const RunInputs inputs = BookRunInputs(kInvoiceType, folder.File("invoice.xlsx"), folder.File("inv.xml"));
            return std::to_string(ConvertWorkbook(inputs, observer).savedFiles.size());
        },
        60);
    EXPECT_EQ(outcome.report, "100");
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptedRunTest, testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) { return std::string(info.param == SIGINT ? "SIGINT" : "SIGTERM"); });

INSTANTIATE_TEST_SUITE_P(Fronts, KilledRunTest, testing::Values(Front::PriceList, Front::Invoice, Front::CommandLine),
                         [](const auto& info) { return testing::PrintToString(info.param); });

} // namespace
