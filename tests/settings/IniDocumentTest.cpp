#include "settings/IniDocument.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class IniDocumentRead : public testing::TestWithParam<ReadCase> {};

TEST_P(IniDocumentRead, FindsTheValue)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument(c.text).Value(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniDocumentRead,
    testing::Values(
        ReadCase{"plain", "[Params]\r\nFromSAN=7701\r\n", "Params", "FromSAN", "7701"},
        ReadCase{"lastLineWithoutEnd", "[Params]\nFromSAN=7701", "Params", "FromSAN", "7701"},
        ReadCase{"loneCR", "[Params]\rFromSAN=7701\rToSAN=5\r", "Params", "ToSAN", "5"},
        ReadCase{"keyInOtherCase", "[Params]\r\nfromsan=7701\r\n", "Params", "FromSAN", "7701"},
        ReadCase{"sectionInOtherCase", "[PARAMS]\r\nFromSAN=7701\r\n", "Params", "FromSAN", "7701"},
        ReadCase{"cyrillicKeyCase", "[Params]\r\nКЛЮЧ=да\r\n", "Params", "ключ", "да"},
        ReadCase{"blanksAroundKeyAndValue", "[Params]\r\n  FromSAN  =  7701  \r\n", "Params", "FromSAN", "7701"},
        ReadCase{"blanksAroundSection", " [ Params ] \r\nFromSAN=1\r\n", "Params", "FromSAN", "1"},
        ReadCase{"valueWithEquals", "[Params]\r\nPath=a=b\r\n", "Params", "Path", "a=b"},
        ReadCase{"emptyValue", "[Params]\r\nFromSAN=\r\n", "Params", "FromSAN", ""},
        ReadCase{"firstOfTwoKeys", "[Params]\r\nFromSAN=1\r\nFromSAN=2\r\n", "Params", "FromSAN", "1"},
        ReadCase{"keyOfAnotherSection", "[Other]\r\nFromSAN=1\r\n[Params]\r\nToSAN=2\r\n", "Params", "FromSAN",
                 std::nullopt},
        ReadCase{"keyBeforeAnySection", "FromSAN=1\r\n[Params]\r\n", "Params", "FromSAN", std::nullopt},
        ReadCase{"commentedOut", "[Params]\r\n;FromSAN=1\r\n#FromSAN=2\r\n", "Params", "FromSAN", std::nullopt},
        ReadCase{"lineWithoutEquals", "[Params]\r\nFromSAN\r\n", "Params", "FromSAN", std::nullopt},
        ReadCase{"prefixIsNotTheKey", "[Params]\r\nFromSANX=1\r\n", "Params", "FromSAN", std::nullopt},
        ReadCase{"noSection", "", "Params", "FromSAN", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    const char* before;
    const char* key;
    const char* value;
    const char* after;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class IniDocumentWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(IniDocumentWrite, ChangesOnlyTheKeysLine)
{
    const WriteCase& c = GetParam();
    IniDocument document(c.before);
    document.SetValue("Params", c.key, c.value);
    EXPECT_EQ(document.Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniDocumentWrite,
    testing::Values(
        WriteCase{"newFile", "", "FromSAN", "7701", "[Params]\r\nFromSAN=7701\r\n"},
        WriteCase{"replaceInPlace", "; comment\r\n[Params]\r\nFromSAN=1\r\nToSAN=2\r\n\r\n[Other]\r\nFromSAN=3\r\n",
                  "FromSAN", "9", "; comment\r\n[Params]\r\nFromSAN=9\r\nToSAN=2\r\n\r\n[Other]\r\nFromSAN=3\r\n"},
        WriteCase{"replaceKeyWrittenInOtherCase", "[params]\nfromsan = 1\n", "FromSAN", "2", "[params]\nFromSAN=2\n"},
        WriteCase{"appendToSectionBeforeBlankLine", "[Params]\r\nFromSAN=1\r\n\r\n[Other]\r\nx=y\r\n", "ToSAN", "2",
                  "[Params]\r\nFromSAN=1\r\nToSAN=2\r\n\r\n[Other]\r\nx=y\r\n"},
        WriteCase{"appendSectionKeepsLineEnds", "[Other]\nx=y\n", "ToSAN", "2", "[Other]\nx=y\n[Params]\nToSAN=2\n"},
        WriteCase{"lastLineWithoutEndGetsOne", "[Params]\r\nFromSAN=1", "ToSAN", "2",
                  "[Params]\r\nFromSAN=1\r\nToSAN=2\r\n"},
        WriteCase{"emptySection", "[Params]\r\n", "ToSAN", "2", "[Params]\r\nToSAN=2\r\n"},
        WriteCase{"lineBreaksCannotForgeKeys", "", "FromSAN", "a\r\nToSAN=evil\n",
                  "[Params]\r\nFromSAN=a  ToSAN=evil \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
