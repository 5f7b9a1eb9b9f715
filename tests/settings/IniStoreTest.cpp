#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include "base/EdgeFileFault.h"
#include "base/FileFault.h"
#include "support/CaseName.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

// Every test works on a settings file of its own in a fresh folder.
class IniStoreTest : public testing::Test {
protected:
    void SetUp() override { IniStore::SetIniFileName(Path()); }
    void TearDown() override { IniStore::SetIniFileName(""); }

    std::string Path() const { return folder_.File("quarnel.ini"); }
    std::string Bytes() const { return ReadFileBytes(Path()); }

    TempFolder folder_;
};

} // namespace

TEST_F(IniStoreTest, MissingFileGivesTheDefaults)
{
    EXPECT_EQ(IniStore::ReadStringParam(kFromSAN, ""), "");
    EXPECT_EQ(IniStore::ReadStringParam("PricelistCorrespondence", "none"), "none");
    EXPECT_FALSE(IniStore::ReadBoolParam(kNoSeparate15Pos, false));
    EXPECT_TRUE(IniStore::ReadBoolParam(kNoSeparate15Pos, true));
}

TEST_F(IniStoreTest, CyrillicValuesAreStoredInWindows1251AndReadBack)
{
    IniStore::WriteStringParam(kFromCompany, "ООО «Книжный мир»");
    IniStore::WriteStringParam(kFromPerson, "Иванов И.И.");
    IniStore::WriteStringParam("PricelistCorrespondence", "/home/user/Схемы/книги.sch");

    EXPECT_EQ(IniStore::ReadStringParam(kFromCompany, ""), "ООО «Книжный мир»");
    EXPECT_EQ(IniStore::ReadStringParam(kFromPerson, ""), "Иванов И.И.");
    EXPECT_EQ(IniStore::ReadStringParam("PricelistCorrespondence", ""), "/home/user/Схемы/книги.sch");
    EXPECT_EQ(Bytes(), "[Params]\r\n"
                       "FromCompany=\xCE\xCE\xCE \xAB\xCA\xED\xE8\xE6\xED\xFB\xE9 \xEC\xE8\xF0\xBB\r\n"
                       "FromPerson=\xC8\xE2\xE0\xED\xEE\xE2 \xC8.\xC8.\r\n"
                       "PricelistCorrespondence=/home/user/\xD1\xF5\xE5\xEC\xFB/\xEA\xED\xE8\xE3\xE8.sch\r\n");
}

TEST_F(IniStoreTest, ValueOutsideWindows1251MakesTheFileUtf8WithBom)
{
    IniStore::WriteStringParam(kFromPerson, "Иванов");
    IniStore::WriteStringParam(kToCompany, "Ω-Книга");

    EXPECT_EQ(Bytes(), std::string(kBom) + "[Params]\r\nFromPerson=Иванов\r\nToCompany=Ω-Книга\r\n");
    EXPECT_EQ(IniStore::ReadStringParam(kToCompany, ""), "Ω-Книга");
    EXPECT_EQ(IniStore::ReadStringParam(kFromPerson, ""), "Иванов");

    // Once nothing needs it any more, the file is windows-1251 again.
    IniStore::WriteStringParam(kToCompany, "Книга");
    EXPECT_EQ(Bytes(), "[Params]\r\nFromPerson=\xC8\xE2\xE0\xED\xEE\xE2\r\nToCompany=\xCA\xED\xE8\xE3\xE0\r\n");
}

struct TextCase {
    const char* name;
    std::string bytes;
    const char* toPerson; // as read
    int nulLine = 0;      // a NUL's: the file is then not used, and never rewritten
};

static void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name;
}

class SettingsText : public IniStoreTest, public testing::WithParamInterface<TextCase> {};

TEST_P(SettingsText, IsReadInTheEncodingOfItsBytesOrRefusedForANul)
{
    WriteFileBytes(Path(), GetParam().bytes);
    EXPECT_EQ(IniStore::ReadStringParam(kToPerson, "none"), GetParam().toPerson);
    const std::optional<EdgeFileFault> problem = IniStore::FileProblem();
    EXPECT_EQ(problem ? problem->line : 0, GetParam().nulLine);
    if (problem) {
        EXPECT_THROW(IniStore::WriteStringParam(kFromSAN, "1"), EdgeFileFault);
    }
    EXPECT_EQ(Bytes(), GetParam().bytes);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsText,
    testing::Values(TextCase{"utf8WithBom", std::string(kBom) + "[Params]\nToPerson=Пётр ✓\n", "Пётр ✓"},
                    TextCase{"utf8", "[Params]\r\nToPerson=ООО Книги\r\n", "ООО Книги"},
                    TextCase{"windows1251", "[Params]\r\nToPerson=\xCA\xED\xE8\xE3\xE8\r\n", "Книги"},
                    TextCase{"utf16le", "\xFF\xFE[\0P\0a\0r\0a\0m\0s\0]\0\n\0T\0o\0P\0e\0r\0s\0o\0n\0=\0\x16\x04\n\0"s,
                             "Ж"},
                    TextCase{"nul", "[Params]\r\nToPerson=A\0B\r\n"s, "none", 2},
                    TextCase{"nulInUtf16", "\xFE\xFF\0[\0]\0\n\0\0"s, "none", 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct FlagCase {
    const char* stored; // nullptr: no such key
    bool defaultValue;
    bool expected;
};

static void PrintTo(const FlagCase& c, std::ostream* os)
{
    *os << (c.stored ? CaseText(c.stored) : "no key") << ", default " << std::boolalpha << c.defaultValue;
}

class NoSeparate15PosFlag : public IniStoreTest, public testing::WithParamInterface<FlagCase> {};

TEST_P(NoSeparate15PosFlag, ReadsAsAnInteger)
{
    const FlagCase& c = GetParam();
    WriteFileBytes(Path(), c.stored ? std::string("[Params]\r\nNoSeparate15Pos=") + c.stored + "\r\n"
                                    : std::string("[Params]\r\nToSAN=1\r\n"));
    EXPECT_EQ(IniStore::ReadBoolParam(kNoSeparate15Pos, c.defaultValue), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, NoSeparate15PosFlag,
                         testing::Values(FlagCase{"1", false, true}, FlagCase{"0", false, false},
                                         FlagCase{"0", true, false}, FlagCase{"-1", false, true},
                                         FlagCase{"+2", false, true}, FlagCase{"+-1", false, false},
                                         FlagCase{"00", true, false}, FlagCase{" 1 ", false, true},
                                         FlagCase{"yes", false, false}, FlagCase{"yes", true, true},
                                         FlagCase{"1.5", false, false}, FlagCase{"1 0", false, false},
                                         FlagCase{"", true, true}, FlagCase{"99999999999999999999", false, false},
                                         FlagCase{nullptr, false, false}, FlagCase{nullptr, true, true}));

TEST_F(IniStoreTest, WritingKeepsOtherSectionsKeysAndComments)
{
    const std::string before = "; Quarnel settings\r\n"
                               "[Window]\r\n"
                               "Left=10\r\n"
                               "\r\n"
                               "[params]\r\n"
                               "fromsan=1\r\n"
                               "; the addressee\r\n"
                               "ToSAN=2\r\n"
                               "NoSeparate15Pos=1\r\n"
                               "\r\n"
                               "[Tail]\r\n"
                               "FromSAN=untouched";
    WriteFileBytes(Path(), before);

    IniStore::WriteStringParam(kFromSAN, "7701234567");
    IniStore::WriteStringParam(kFromCompany, "Книги");

    EXPECT_EQ(Bytes(), "; Quarnel settings\r\n"
                       "[Window]\r\n"
                       "Left=10\r\n"
                       "\r\n"
                       "[params]\r\n"
                       "FromSAN=7701234567\r\n"
                       "; the addressee\r\n"
                       "ToSAN=2\r\n"
                       "NoSeparate15Pos=1\r\n"
                       "FromCompany=\xCA\xED\xE8\xE3\xE8\r\n"
                       "\r\n"
                       "[Tail]\r\n"
                       "FromSAN=untouched");
    EXPECT_TRUE(IniStore::ReadBoolParam(kNoSeparate15Pos, false));
}

struct RoundTripCase {
    const char* written;
    const char* readBack;
};

static void PrintTo(const RoundTripCase& c, std::ostream* os)
{
    *os << CaseText(c.written);
}

class ValueRoundTrip : public IniStoreTest, public testing::WithParamInterface<RoundTripCase> {};

// A single line without blanks at its ends comes back exactly; blanks at the
// ends are stored but not read back, as the profile functions did.
TEST_P(ValueRoundTrip, ReadsBackWhatWasWritten)
{
    IniStore::WriteStringParam(kToPerson, GetParam().written);
    EXPECT_EQ(IniStore::ReadStringParam(kToPerson, "default"), GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(Values, ValueRoundTrip,
                         testing::Values(RoundTripCase{"Петров П.П.", "Петров П.П."},
                                         RoundTripCase{"a=b; c [d]", "a=b; c [d]"},
                                         RoundTripCase{"\"quoted\"", "\"quoted\""}, RoundTripCase{"", ""},
                                         RoundTripCase{"  blanks  ", "blanks"},
                                         RoundTripCase{"two\nlines", "two lines"}));

TEST_F(IniStoreTest, KeysAreMatchedWithoutRegardToCase)
{
    IniStore::WriteStringParam("fromsan", "1");
    IniStore::WriteStringParam("FROMSAN", "2");
    EXPECT_EQ(IniStore::ReadStringParam(kFromSAN, ""), "2");
    EXPECT_EQ(Bytes(), "[Params]\r\nFROMSAN=2\r\n");
}

TEST_F(IniStoreTest, WritingCreatesTheMissingFolder)
{
    const std::string path = folder_.File("config/quarnel/quarnel.ini");
    IniStore::SetIniFileName(path);
    IniStore::WriteStringParam(kToSAN, "5");
    EXPECT_EQ(ReadFileBytes(path), "[Params]\r\nToSAN=5\r\n");
}

TEST_F(IniStoreTest, RefusedWriteNamesTheFileAndKeepsIt)
{
    IniStore::WriteStringParam(kFromSAN, "1");
    ::chmod(folder_.Path().c_str(), 0555);
    if (::access(folder_.Path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "chmod does not protect the folder from this user (root)";
    try {
        IniStore::WriteStringParam(kFromSAN, "2");
        ADD_FAILURE() << "the write was not refused";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path, Path());
    }
    EXPECT_EQ(IniStore::ReadStringParam(kFromSAN, ""), "1");
}

TEST_F(IniStoreTest, ReadOnlyFileIsNotReplaced)
{
    IniStore::WriteStringParam(kFromSAN, "1");
    ::chmod(Path().c_str(), 0444);
    if (::access(Path().c_str(), W_OK) == 0) GTEST_SKIP() << "chmod does not protect the file from this user (root)";
    EXPECT_THROW(IniStore::WriteStringParam(kFromSAN, "2"), FileFault);
    EXPECT_EQ(Bytes(), "[Params]\r\nFromSAN=1\r\n");
}

TEST_F(IniStoreTest, FolderInPlaceOfTheFileIsRefusedOnWriteAndGivesDefaultsOnRead)
{
    std::filesystem::create_directory(Path());
    EXPECT_EQ(IniStore::ReadStringParam(kFromSAN, "default"), "default");
    try {
        IniStore::WriteStringParam(kFromSAN, "2");
        ADD_FAILURE() << "the write was not refused";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path, Path());
    }
}
