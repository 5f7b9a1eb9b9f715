// The settings file that cannot be written and the scheme file that cannot be
// read or saved: the action ends with the Russian error naming the file,
// nothing of what was stored is lost, and the command line that was to use
// an unreadable scheme stops before writing anything.
#include "BookWorkbook.h"
#include "FolderSnapshot.h"
#include "OrdinaryUser.h"
#include "TmpfsMount.h"

#include "app/cli/CommandLineConverter.h"
#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "messages/FaultTexts.h"
#include "scheme/SchemeFile.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <sys/stat.h>

namespace {

constexpr char kStoredSettings[] = "[Params]\r\nFromSAN=7701234567\r\nToCompany=\xCA\xED\xE8\xE3\xE8\r\n";

// A place for a settings or scheme file that a fault makes unusable.
struct FileSite {
    TempFolder folder;
    std::unique_ptr<TmpfsMount> disk;
    bool asOrdinaryUser = false;
    std::string skip;

    FileSite() { std::filesystem::permissions(folder.Path(), std::filesystem::perms(0755)); }

    std::string Folder(const std::string& name) const
    {
        const std::string path = folder.File(name);
        std::filesystem::create_directory(path);
        return path;
    }

    std::string Disk(std::size_t bytes)
    {
        const std::string path = Folder("disk");
        disk = std::make_unique<TmpfsMount>(path, bytes);
        if (!disk->Failure().empty()) skip = "no small disk: " + disk->Failure();
        return path;
    }

    // Runs the action as the fault requires, giving the error it raised.
    std::string ErrorOf(const std::function<void()>& action)
    {
        const std::unique_ptr<OrdinaryUserScope> user =
            asOrdinaryUser ? std::make_unique<OrdinaryUserScope>() : nullptr;
        if (user && !user->Failure().empty()) {
            skip = user->Failure();
            return "";
        }
        try {
            action();
        } catch (const std::exception& error) {
            return UserMessage(error);
        }
        return "";
    }
};

// ---- The settings file, written when the wizard passes step 3 or saves a
// scheme.

struct SettingsFault {
    const char* name;
    // Puts the stored settings in place and gives the file's path.
    std::string (*prepare)(FileSite& site);
    const char* reason;
};

void PrintTo(const SettingsFault& c, std::ostream* os)
{
    *os << c.name;
}

std::string StoredIn(const std::string& folder)
{
    const std::string path = folder + "/quarnel.ini";
    WriteFileBytes(path, kStoredSettings);
    return path;
}

const SettingsFault kSettingsFaults[] = {
    {"ReadOnlyFile",
     [](FileSite& site) {
         const std::string path = StoredIn(site.folder.Path().string());
         ::chmod(path.c_str(), 0444);
         return path;
     },
     QRNConsts::sReasonAccessDenied},
    {"ReadOnlyFolder",
     [](FileSite& site) {
         const std::string folder = site.Folder("config");
         const std::string path = StoredIn(folder);
         ::chmod(folder.c_str(), 0555);
         site.asOrdinaryUser = true;
         return path;
     },
     QRNConsts::sReasonAccessDenied},
    {"FullDisk",
     [](FileSite& site) {
         const std::string folder = site.Disk(64 * 1024);
         const std::string path = StoredIn(folder);
         if (site.skip.empty()) WriteFileBytes(folder + "/filler", std::string(200 * 1024, 'x'));
         return path;
     },
     QRNConsts::sReasonDiskFull},
    {"ReadOnlyMedium",
     [](FileSite& site) {
         const std::string folder = site.Disk(64 * 1024);
         const std::string path = StoredIn(folder);
         if (site.skip.empty()) site.disk->MakeReadOnly();
         return path;
     },
     QRNConsts::sReasonReadOnly},
};

class SettingsWriteFaultTest : public testing::TestWithParam<SettingsFault> {
protected:
    ~SettingsWriteFaultTest() override { IniStore::SetIniFileName(""); }
};

TEST_P(SettingsWriteFaultTest, RefusedWriteNamesTheFileAndKeepsEveryValue)
{
    FileSite site;
    const std::string path = GetParam().prepare(site);
    if (!site.skip.empty()) GTEST_SKIP() << site.skip;
    IniStore::SetIniFileName(path);

    const std::string error = site.ErrorOf([] { IniStore::WriteStringParam(kFromPerson, "Иванов"); });
    if (!site.skip.empty()) GTEST_SKIP() << site.skip;

    EXPECT_EQ(error, FormatMessage(QRNConsts::sFileNotWritable, {path, GetParam().reason}));
    EXPECT_EQ(ReadFileBytes(path), kStoredSettings);
    EXPECT_EQ(TemporaryFilesIn(site.folder.Path().string()), 0);
    // Reading goes on as before.
    EXPECT_EQ(IniStore::ReadStringParam(kFromSAN, ""), "7701234567");
    EXPECT_EQ(IniStore::ReadStringParam(kToCompany, ""), "Книги");
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsWriteFaultTest, testing::ValuesIn(kSettingsFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The scheme file, opened on step 2 or by the command line.

struct SchemeFault {
    const char* name;
    std::string (*prepare)(FileSite& site);
    const char* message; // the path in place of the first %s, the reason after
    const char* reason;
};

void PrintTo(const SchemeFault& c, std::ostream* os)
{
    *os << c.name;
}

std::string WrittenScheme(const std::string& folder)
{
    const std::string path = folder + "/books.sch";
    WriteBookScheme(path, 0);
    return path;
}

const SchemeFault kSchemeFaults[] = {
    {"Missing", [](FileSite& site) { return site.folder.File("gone.sch"); }, QRNConsts::sFileNotFound, ""},
    {"NoReadPermission",
     [](FileSite& site) {
         const std::string path = WrittenScheme(site.folder.Path().string());
         ::chmod(path.c_str(), 0);
         site.asOrdinaryUser = true;
         return path;
     },
     QRNConsts::sFileNotReadable, QRNConsts::sReasonAccessDenied},
    {"FolderNotEnterable",
     [](FileSite& site) {
         const std::string folder = site.Folder("private");
         const std::string path = WrittenScheme(folder);
         ::chmod(folder.c_str(), 0700);
         site.asOrdinaryUser = true;
         return path;
     },
     QRNConsts::sFileNotReadable, QRNConsts::sReasonAccessDenied},
    {"AFolder", [](FileSite& site) { return site.Folder("books.sch"); }, QRNConsts::sFileNotReadable,
     QRNConsts::sReasonIsFolder},
    // Read, it would hold the program until someone wrote into it.
    {"AFifo",
     [](FileSite& site) {
         const std::string path = site.folder.File("books.sch");
         ::mkfifo(path.c_str(), 0644);
         return path;
     },
     QRNConsts::sFileNotReadable, QRNConsts::sReasonNotRegularFile},
    {"ALinkLoop",
     [](FileSite& site) {
         const std::string path = site.folder.File("books.sch");
         std::filesystem::create_symlink("books.sch", path);
         return path;
     },
     QRNConsts::sFileNotReadable, QRNConsts::sReasonLinkLoop},
    // Cut at the NUL, it would lose its later lines without a word.
    {"NulByte",
     [](FileSite& site) {
         const std::string path = site.folder.File("books.sch");
         WriteFileBytes(path, std::string("ISBN = ISBN\r\n\r\nАвтор = ") + '\0' + "Автор\r\nНазвание = Название\r\n");
         return path;
     },
     QRNConsts::sSchemeFileNotRead, "в строке 3 нулевой байт (NUL); файл поврежден или это не текст"},
};

class SchemeReadFaultTest : public testing::TestWithParam<SchemeFault> {};

TEST_P(SchemeReadFaultTest, OpeningNamesTheFile)
{
    FileSite site;
    const std::string path = GetParam().prepare(site);
    const std::string error = site.ErrorOf([&] { (void)ReadSchemeFile(path); });
    if (!site.skip.empty()) GTEST_SKIP() << site.skip;
    EXPECT_EQ(error, FormatMessage(GetParam().message, {path, GetParam().reason}));
}

TEST_P(SchemeReadFaultTest, CommandLineStopsBeforeWritingAnything)
{
    FileSite site;
    const std::string scheme = GetParam().prepare(site);
    const std::string workbook = site.folder.File("books.xlsx");
    WriteBookWorkbook(workbook, 3);
    const std::string output = site.folder.File("price.xml");
    WriteFileBytes(output, "previous");
    std::ostringstream out;
    std::ostringstream err;
    int status = -1;
    (void)site.ErrorOf([&] {
        status = RunCommandLine(BookCommandLine(0, workbook, output, scheme, site.folder.File("quarnel.ini")),
                                RegionalProfiles{Regional::Russian()}, out, err, false);
    });
    if (!site.skip.empty()) GTEST_SKIP() << site.skip;
    EXPECT_EQ(status, kExitFailure);
    EXPECT_EQ(err.str(), FormatMessage(GetParam().message, {scheme, GetParam().reason}) + "\n");
    EXPECT_EQ(ReadFileBytes(output), "previous");
    EXPECT_EQ(TemporaryFilesIn(site.folder.Path().string()), 0);
    // Remembered in the settings, it stops the run alike; one that is gone is only warned of.
    if (GetParam().message == QRNConsts::sFileNotFound) return;
    WriteFileBytes(site.folder.File("quarnel.ini"), "[Params]\r\nPricelistCorrespondence=" + scheme + "\r\n");
    std::vector<std::string> remembered = BookCommandLine(0, workbook, output, scheme, site.folder.File("quarnel.ini"));
    remembered.erase(remembered.begin() + 3, remembered.begin() + 5); // --scheme and its file
    err.str("");
    (void)site.ErrorOf([&] { RunCommandLine(remembered, RegionalProfiles{Regional::Russian()}, out, err, false); });
    EXPECT_EQ(err.str(), FormatMessage(GetParam().message, {scheme, GetParam().reason}) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Faults, SchemeReadFaultTest, testing::ValuesIn(kSchemeFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeSaveFault, ReadOnlyFolderKeepsThePreviousScheme)
{
    FileSite site;
    const std::string folder = site.Folder("schemes");
    const std::string path = WrittenScheme(folder);
    const std::string previous = ReadFileBytes(path);
    ::chmod(folder.c_str(), 0555);
    site.asOrdinaryUser = true;
    const std::string error = site.ErrorOf([&] { WriteSchemeFile(path, {"Артикул = Код"}); });
    if (!site.skip.empty()) GTEST_SKIP() << site.skip;
    EXPECT_EQ(error, FormatMessage(QRNConsts::sFileNotWritable, {path, QRNConsts::sReasonAccessDenied}));
    EXPECT_EQ(ReadFileBytes(path), previous);
}

} // namespace
