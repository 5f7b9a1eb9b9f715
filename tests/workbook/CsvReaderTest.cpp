#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "messages/FaultTexts.h"
#include "workbook/CellDump.h"
#include "workbook/TestPackages.h"
#include "workbook/open/OpenWorkbook.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CsvCase {
    const char* name;
    const char* file;
    std::string bytes;
    // The cells as --dump lists them, or the refusal.
    std::string expected;
};

void PrintTo(const CsvCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string Repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

const CsvCase kCases[] = {
    {"Utf8WithSemicolons", "price.csv", "Код;Название\n1;Книга\n", "1\t1\tКод\n1\t2\tНазвание\n2\t1\t1\n2\t2\tКнига\n"},
    {"Utf8ByteOrderMark", "price.csv", "\xEF\xBB\xBFКод;Цена\n", "1\t1\tКод\n1\t2\tЦена\n"},
    {"Utf16LittleEndian", "price.csv", std::string("\xFF\xFE\x1A\x04\x3E\x04;\x00\x41\x00", 10), "1\t1\tКо\n1\t2\tA\n"},
    {"Windows1251", "price.csv", "\xCA\xEE\xE4;\xD6\xE5\xED\xE0\r\n1;2,50\r\n",
     "1\t1\tКод\n1\t2\tЦена\n2\t1\t1\n2\t2\t2,50\n"},
    {"TabsInATsv", "price.tsv", "a\tb,c\n1\t2,5\n", "1\t1\ta\n1\t2\tb,c\n2\t1\t1\n2\t2\t2,5\n"},
    {"CommasWhenTheyAreConsistent", "price.txt", "a,b;c\n1,2\n3,4\n",
     "1\t1\ta\n1\t2\tb;c\n2\t1\t1\n2\t2\t2\n3\t1\t3\n3\t2\t4\n"},
    {"TiesGoToTheSemicolon", "price.csv", "a;b,c\n", "1\t1\ta\n1\t2\tb,c\n"},
    {"QuotedFields", "price.csv", "\"a;b\";\"say \"\"hi\"\"\";\"two\nlines\"\n2;x\"y;\"\"\n",
     "1\t1\ta;b\n1\t2\tsay \"hi\"\n1\t3\ttwo\\nlines\n2\t1\t2\n2\t2\tx\"y\n"},
    {"FieldsAsTheyStand", "price.csv", " 007 ;1e3; \n", "1\t1\t 007 \n1\t2\t1e3\n1\t3\t \n"},
    {"EmptyLineIsAnEmptyRow", "price.csv", "a;b\n\nc;d\n", "1\t1\ta\n1\t2\tb\n3\t1\tc\n3\t2\td\n"},
    {"QuoteLeftOpen", "price.csv", "a;b\n1;\"open\n\nstill", "broken:2"},
    {"StrayByteInUtf8", "price.csv", "Код;" + Repeated("я", 1000) + "\r\n\r\n2;\xFF\n",
     "1\t1\tКод\n1\t2\t" + Repeated("я", 1000) + "\n3\t1\t2\n3\t2\t\xEF\xBF\xBD\n! 0 3\n"},
    {"StrayBytesOverTheShare", "price.csv", "Код;\xFF\n", "1\t1\tРљРѕРґ\n1\t2\tя\n"},
    {"Windows1251UnderAUtf8Mark", "price.csv", "\xEF\xBB\xBF\xCA\xEE\xE4;1\n",
     "1\t1\tКод\n1\t2\t1\n! 1 UTF-8 windows-1251\n"},
    {"Utf16MarkOverUtf8", "price.csv", "\xFF\xFEКод;1\n", "1\t1\tКод\n1\t2\t1\n! 1 UTF-16LE UTF-8\n"},
    {"Utf16EndingOnHalfACharacter", "price.csv",
     std::string("\xFF\xFE"
                 "A\0;\0B\0\n",
                 9),
     "broken:"},
    {"OneFieldRowWithAnotherDelimiter", "price.csv", "a;b\n1;2\nc,d\n\"e,f\"\n",
     "1\t1\ta\n1\t2\tb\n2\t1\t1\n2\t2\t2\n3\t1\tc,d\n4\t1\te,f\n! 2 3 ,\n"},
    {"RowPastTheLastColumn", "price.csv", "a;b\n" + std::string(70000, ';'), "broken:2,65535"},
    {"OtherPlainFile", "price.dat", "a;b\n", "unsupported"},
};

class CsvReaderTest : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvReaderTest, ReadsEveryFieldAsText)
{
    TempFolder folder;
    const std::string path = folder.File(GetParam().file);
    WriteFileBytes(path, GetParam().bytes);
    std::ostringstream dump;
    try {
        dump << ReadDump(path);
    } catch (const WorkbookFault& fault) {
        if (fault.kind == WorkbookFault::Kind::Broken) {
            std::string details;
            for (const std::string& detail : fault.details) details += (details.empty() ? "" : ",") + detail;
            EXPECT_EQ(GetParam().expected, "broken:" + details);
            if (fault.reason == ReadReason::CsvQuoteNotClosed) {
                EXPECT_EQ(WorkbookFaultMessage(fault),
                          FormatMessage(QRNConsts::sWorkbookBroken,
                                        {path, FormatMessage(QRNConsts::sReasonCsvQuoteNotClosed, {details})}));
            }
        } else {
            EXPECT_EQ(GetParam().expected,
                      fault.kind == WorkbookFault::Kind::Unsupported ? "unsupported" : WorkbookFaultMessage(fault));
        }
        return;
    }
    EXPECT_EQ(dump.str(), GetParam().expected);
    EXPECT_EQ(ListSheets(path), (std::vector<SheetEntry>{{"price", false}}));
}

INSTANTIATE_TEST_SUITE_P(Files, CsvReaderTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
