#include "base/DateTime.h"
#include "base/MessageFormat.h"
#include "base/Regional.h"
#include "writers/CodeOfCell.h"
#include "writers/ONIXChecks.h"
#include "writers/ONIXErrorChannel.h"
#include "writers/WriterTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using namespace ONIXFunctions;

namespace {

struct CheckCase {
    const char* value;
    std::string expected;
};

std::string ISBNCheckDigit(const char* digit)
{
    return FormatMessage(QRNConsts::sISBN13CheckDigit, {digit});
}

std::string EAN13CheckDigit(const char* digit)
{
    return FormatMessage(QRNConsts::sEAN13CheckDigit, {digit});
}

TEST(CheckISBN, JudgesSignificantCharactersLengthFirst)
{
    const CheckCase cases[] = {
        {"978-5-17-118366-0", ""},
        {"978-5-17-118366-4", ISBNCheckDigit("0")},
        {"9785171183664", ISBNCheckDigit("0")},
        {"5-17-118366-X", ""},
        {"ABCDEFGHIJ", ""},                            // an ISBN-10 is not looked into
        {"АБВГДЕЖЗИК", ""},                            // ten characters, twenty bytes
        {"978 5 17 118366 0", QRNConsts::sISBNLength}, // inner blanks are significant
        {"  978-5-17-118366-0  ", ""},
        {"978517118366A", ISBNCheckDigit("0")}, // the last character is left to the check digit
        {"978517118366Ж", ISBNCheckDigit("0")},
        {"97A5171183660", QRNConsts::sISBN13NotDigits},
        {"12345", QRNConsts::sISBNLength},
        {"97851711836600", QRNConsts::sISBNLength},
        {"", ""},
        {"--", ""},
        {" - ", ""},
        {"- -", ""}, // hyphens and blanks only: an empty value
        {"- - -  -", ""},
        {"- 1 -", QRNConsts::sISBNLength},
    };
    for (const CheckCase& c : cases) EXPECT_EQ(CheckISBN(c.value), c.expected) << c.value;
}

TEST(CheckEAN13, JudgesDigitsBeforeLength)
{
    const CheckCase cases[] = {
        {"4607086560129", ""},
        {" 4607086560129\t", ""},
        {"4607086560123", EAN13CheckDigit("9")},
        {"460708656012Ж", EAN13CheckDigit("9")},
        {"9785171183660", ""},
        {"460708656012", QRNConsts::sEAN13Length},
        {"46070865601290", QRNConsts::sEAN13Length},
        {"46070865601A9", QRNConsts::sEAN13NotDigits},
        {"4607-086560129", QRNConsts::sEAN13NotDigits},
        {"5", QRNConsts::sEAN13NotDigits},
        {"ab", QRNConsts::sEAN13NotDigits},
        {"", ""},
        {"   ", ""},
    };
    for (const CheckCase& c : cases) EXPECT_EQ(CheckEAN13(c.value), c.expected) << c.value;
}

TEST(CodeOfCell, ReadsACodeWrittenOverAgainAsOneAndNamesTwoDifferentOnes)
{
    const struct {
        CellCode (*read)(const std::string&);
        const char* cell;
        const char* code;
        bool repeated;
        const char* error;
    } cases[] = {
        {ISBNOfCell, "978-5-699-12345-6  978-5-699-12345-6", "978-5-699-12345-6", true, ""},
        {ISBNOfCell, "5-17-118366-X,5-17-118366-X;\n517118366X", "5-17-118366-X", true, ""},
        {ISBNOfCell, "978-5-17-118366-0", "978-5-17-118366-0", false, ""},
        {ISBNOfCell, "978 5 17 118366 0", "978 5 17 118366 0", false, ""}, // no part is a code on its own
        {ISBNOfCell, "978-5-17-118366-0; 5-17-118366-X", "", false,
         "ISBN содержит разные коды: 978-5-17-118366-0 и 5-17-118366-X"},
        {EAN13OfCell, "4607086560129\r\n4607086560129", "4607086560129", true, ""},
        {EAN13OfCell, "4607086560129, 4607086560123", "", false,
         "EAN-13 содержит разные коды: 4607086560129 и 4607086560123"},
    };
    for (const auto& c : cases) {
        const CellCode code = c.read(c.cell);
        EXPECT_EQ(code.code, c.code) << c.cell;
        EXPECT_EQ(code.repeated, c.repeated) << c.cell;
        EXPECT_EQ(code.error, c.error) << c.cell;
    }
}

TEST(CheckPublicationYear, AcceptsSigned32BitYearsUpTo2100)
{
    const CheckCase cases[] = {
        {"2012", ""},
        {"2100", ""},
        {"-5", ""},
        {"+1999", ""},
        {"1", ""},
        {"-2147483648", ""},
        {"0", QRNConsts::sBadPublicationYear},
        {"-0", QRNConsts::sBadPublicationYear},
        {"2101", QRNConsts::sBadPublicationYear},
        {"", QRNConsts::sBadPublicationYear},
        {"2012 г", QRNConsts::sBadPublicationYear},
        {"2012г.", QRNConsts::sBadPublicationYear},
        {"20 12", QRNConsts::sBadPublicationYear},
        {"+", QRNConsts::sBadPublicationYear},
        {"-", QRNConsts::sBadPublicationYear},
        {"+-5", QRNConsts::sBadPublicationYear},
        {"2012.0", QRNConsts::sBadPublicationYear},
        {"2147483648", QRNConsts::sBadPublicationYear},
        {"-2147483649", QRNConsts::sBadPublicationYear},
        {"4294969308", QRNConsts::sBadPublicationYear}, // 2^32 + 2012 must not wrap round to 2012
        {"99999999999999999999999", QRNConsts::sBadPublicationYear},
    };
    for (const CheckCase& c : cases) EXPECT_EQ(CheckPublicationYear(c.value), c.expected) << c.value;
}

TEST(CheckMessages, OnlyCheckDigitMessagesCarryTheNonCriticalWords)
{
    const std::string nonCritical[] = {CheckISBN("9785171183664"), CheckEAN13("4607086560123")};
    const std::string critical[] = {CheckISBN("12345"),
                                    CheckISBN("97A5171183660"),
                                    CheckEAN13("123"),
                                    CheckEAN13("46070865601A9"),
                                    CheckPublicationYear("0"),
                                    QRNConsts::sNoRecordReference,
                                    ISBNOfCell("5-17-118366-X 5-17-118366-0").error};
    for (const std::string& message : nonCritical) {
        EXPECT_NE(message.find(QRNConsts::sCheckDigitMarker), std::string::npos) << message;
    }
    for (const std::string& message : critical) {
        ASSERT_FALSE(message.empty());
        EXPECT_EQ(message.find(QRNConsts::sCheckDigitMarker), std::string::npos) << message;
    }
}

TEST(IsDigitString, LeavesTheLastCharacterUnexamined)
{
    const struct {
        const char* text;
        bool digits;
    } cases[] = {
        {"", false},     {"5", false},           {"55", true},  {"5A", true},   {"A5", false},
        {"12 4", false}, {"12345678901Ж", true}, {"Ж1", false}, {"1Ж1", false}, {"0000", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDigitString(c.text), c.digits) << c.text;
}

TEST(EAN13CheckDigit, IsTheWeightedSumComplement)
{
    EXPECT_EQ(GetEAN13CheckDigit("460708656012"), "9");
    EXPECT_EQ(GetEAN13CheckDigit("9785171183660"), "0");
    EXPECT_EQ(GetEAN13CheckDigit("400638133393"), "1");

    std::string expected;
    EXPECT_TRUE(IsEAN13CheckDigitValid("4607086560129", expected));
    EXPECT_EQ(expected, "9");
    expected.clear();
    EXPECT_FALSE(IsEAN13CheckDigitValid("4607086560123", expected));
    EXPECT_EQ(expected, "9");
}

TEST(TextHelpers, PadAndRemoveHyphens)
{
    EXPECT_EQ(PadWithZeros(5, 2), "05");
    EXPECT_EQ(PadWithZeros(7, 4), "0007");
    EXPECT_EQ(PadWithZeros(999, 4), "0999");
    EXPECT_EQ(PadWithZeros(2024, 2), "2024");
    EXPECT_EQ(PadWithZeros(0, 2), "00");

    EXPECT_EQ(RemoveHyphens(" 978-5 -1 \t"), "9785 1");
    EXPECT_EQ(RemoveHyphens("--"), "");
}

TEST(FormatONIXDate, DropsSecondsAndWritesTimeOnlyWhenSet)
{
    const struct {
        CivilDateTime value;
        const char* text;
    } cases[] = {
        {{2024, 3, 5, 9, 7, 59}, "20240305T0907"}, {{2024, 3, 5, 0, 0, 0}, "20240305"},
        {{2024, 3, 5, 0, 0, 59}, "20240305"},      {{2024, 3, 5, 14, 30, 59}, "20240305T1430"},
        {{2024, 3, 5, 0, 1, 0}, "20240305T0001"},  {{2024, 3, 5, 12, 0, 0}, "20240305T1200"},
        {{999, 1, 2, 0, 0, 0}, "09990102"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatONIXDate(EncodeDateTime(c.value)), c.text) << c.text;
}

TEST(FormatDecimalPoint, WritesAPointWhateverTheRegionalSeparator)
{
    const struct {
        long double value;
        const char* text;
    } cases[] = {
        {12.5L, "12.5"},   {99.9L, "99.9"}, {100, "100"},        {0, "0"},
        {-3.25L, "-3.25"}, {1e15L, "1E15"}, {0.000001L, "1E-6"}, {1.5e-6L, "1.5E-6"},
    };
    for (const char* separator : {",", "."}) {
        Regional regional;
        regional.decimalSeparator = separator;
        RegionalScope scope(regional);
        for (const auto& c : cases) EXPECT_EQ(FormatDecimalPoint(c.value), c.text) << separator << c.text;
    }
}

class ErrorChannel : public ::testing::Test {
protected:
    void SetUp() override
    {
        OnONIXError() = [this] {
            reports.push_back(ONIXErrorText());
            ONIXErrorText().clear();
        };
    }
    void TearDown() override
    {
        OnONIXError() = nullptr;
        ONIXErrorText().clear();
    }
    std::vector<std::string> reports;
};

TEST_F(ErrorChannel, CallsTheHandlerOnlyForAMessage)
{
    ReportONIXError(CheckISBN("12345"));
    ReportONIXError(CheckISBN("978-5-17-118366-0"));
    ReportONIXError(CheckEAN13("4607086560123"));
    EXPECT_EQ(reports, (std::vector<std::string>{QRNConsts::sISBNLength, EAN13CheckDigit("9")}));
    EXPECT_EQ(ONIXErrorText(), "");
}

TEST_F(ErrorChannel, AnEmptyResultClearsALeftOverMessage)
{
    OnONIXError() = nullptr;
    ReportONIXError(QRNConsts::sBadPublicationYear);
    EXPECT_EQ(ONIXErrorText(), QRNConsts::sBadPublicationYear); // kept while nobody handles it
    ReportONIXError("");
    EXPECT_EQ(ONIXErrorText(), "");
}

TEST_F(ErrorChannel, IsSeparatePerThread)
{
    ONIXErrorText() = "main";
    bool otherHadHandler = true;
    std::string otherText = "unset";
    std::thread other([&] {
        otherHadHandler = static_cast<bool>(OnONIXError());
        otherText = ONIXErrorText();
        ReportONIXError(QRNConsts::sNoRecordReference);
    });
    other.join();
    EXPECT_FALSE(otherHadHandler);
    EXPECT_EQ(otherText, "");
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(ONIXErrorText(), "main");
}

} // namespace
