#include "base/AtomicFile.h"
#include "base/FileFault.h"
#include "base/FileReplacement.h"
#include "base/ReplacementRecord.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int FilesIn(const std::filesystem::path& folder)
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit)
{
    TempFolder folder;
    const std::string target = folder.File("out.xml");
    WriteFileBytes(target, "old");
    {
        AtomicFile file(target);
        file.Write("new");
        EXPECT_EQ(ReadFileBytes(target), "old");
        file.Commit();
    }
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(FilesIn(folder.Path()), 1);
}

TEST(AtomicFile, LeavesNothingBehindWhenAbandoned)
{
    TempFolder folder;
    const std::string target = folder.File("out.xml");
    WriteFileBytes(target, "old");
    {
        AtomicFile file(target);
        file.Write(std::string(200000, 'x'));
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(FilesIn(folder.Path()), 1);
}

TEST(AtomicFile, NamesTheFileWhenTheFolderIsMissingOrATargetIsAFolder)
{
    TempFolder folder;
    const std::string missing = folder.File("no/such/out.xml");
    try {
        AtomicFile file(missing);
        FAIL() << "no error";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path, missing);
        EXPECT_EQ(fault.systemError, ENOENT);
    }
    EXPECT_THROW(AtomicFile file(folder.Path().string()), FileFault);
}

TEST(AtomicFile, RefusesAReadOnlyFolderAndKeepsTheOldFile)
{
    TempFolder folder;
    const std::string target = folder.File("out.xml");
    WriteFileBytes(target, "old");
    ::chmod(folder.Path().c_str(), 0555);
    if (::access(folder.Path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_THROW(AtomicFile file(target), FileFault);
    EXPECT_EQ(ReadFileBytes(target), "old");
}

} // namespace

namespace {

TEST(AtomicFile, RefusesToReplaceAReadOnlyFile)
{
    TempFolder folder;
    const std::string target = folder.File("out.xml");
    WriteFileBytes(target, "old");
    ::chmod(target.c_str(), 0444);
    EXPECT_THROW(AtomicFile file(target), FileFault);
    EXPECT_EQ(ReadFileBytes(target), "old");
}

// A file replaced through a link: the link stays, its target is replaced and
// keeps the rights it had.
TEST(AtomicFile, ReplacesALinksTargetKeepingItsMode)
{
    TempFolder folder;
    const std::string target = folder.File("out.xml");
    WriteFileBytes(target, "old");
    ::chmod(target.c_str(), 0600);
    std::filesystem::create_symlink("out.xml", folder.File("link.xml"));
    AtomicFile file(folder.File("link.xml"));
    file.Write("new");
    file.Commit();
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.xml")));
    EXPECT_EQ(ReadFileBytes(target), "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(AtomicFile, RemovesTemporariesOfKilledRunsOnly)
{
    TempFolder folder;
    const std::string target = folder.File("out.xml");
    // A process id that cannot be running, and this process' own.
    const std::string dead = folder.File(".out.xml.tmp-999999999-abcdef");
    const std::string alive = folder.File(".out.xml.tmp-" + std::to_string(::getpid()) + "-abcdef");
    const std::string deadNow = folder.File(".quarnel.tmp-999999999-a1b2c3"); // as they are named today
    WriteFileBytes(deadNow, "partial");
    WriteFileBytes(dead, "partial");
    WriteFileBytes(alive, "in progress");
    {
        AtomicFile file(target);
        file.Write("new");
        file.Commit();
    }
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_FALSE(std::filesystem::exists(deadNow));
    EXPECT_TRUE(std::filesystem::exists(alive));
    EXPECT_EQ(ReadFileBytes(target), "new");
}

// A stop request is heeded until the files begin to be renamed, never after:
// the two files are both old or both new.
struct StopCase {
    const char* name;
    bool beforeCommit;
    bool atFirstRename;
    bool replaced;
};

class FileReplacementTest : public testing::TestWithParam<StopCase> {};

TEST_P(FileReplacementTest, ReplacesEveryFileOrNone)
{
    const StopCase& c = GetParam();
    TempFolder folder;
    StopRequest stop;
    {
        FileReplacement files;
        for (const char* name : {"a.xml", "b.log"}) {
            WriteFileBytes(folder.File(name), "old");
            auto file = std::make_unique<AtomicFile>(folder.File(name));
            file->Write("new");
            files.Add(std::move(file));
        }
        FileReplacement::SetRenameHook([&](std::size_t) {
            if (c.atFirstRename) stop.Request();
        });
        if (c.beforeCommit) stop.Request();
        EXPECT_EQ(files.Commit(stop) == FileReplacement::Outcome::Replaced, c.replaced);
        FileReplacement::SetRenameHook(nullptr);
    }
    const std::string expected = c.replaced ? "new" : "old";
    EXPECT_EQ(ReadFileBytes(folder.File("a.xml")), expected);
    EXPECT_EQ(ReadFileBytes(folder.File("b.log")), expected);
    EXPECT_EQ(FilesIn(folder.Path()), 2);
}

const StopCase kStopCases[] = {
    {"NoStop", false, false, true},
    {"StopBeforeCommit", true, false, false},
    {"StopAtARename", false, true, true},
};

INSTANTIATE_TEST_SUITE_P(Stops, FileReplacementTest, testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The list of a run still renaming is locked: a save into its folder leaves
// its files to it.
TEST(FileReplacement, LeavesTheListOfALiveRunAlone)
{
    TempFolder folder;
    const std::string target = folder.File("a.xml");
    const std::string temporary = folder.File(".a.xml.tmp-" + std::to_string(::getpid()) + "-abcdef");
    WriteFileBytes(target, "old");
    WriteFileBytes(temporary, "new");
    ReplacementRecord record(folder.Path().string(), {{temporary, target}}, target);
    record.Publish();
    AtomicFile(folder.File("other.xml")).Commit();
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_TRUE(std::filesystem::exists(temporary));
}

} // namespace
