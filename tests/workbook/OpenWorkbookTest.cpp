#include "TestPackages.h"

#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "messages/FaultTexts.h"
#include "support/CaseName.h"
#include "support/TempFolder.h"
#include "workbook/open/OpenWorkbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

std::string ErrorMessage(const std::string& path)
{
    try {
        OpenWorkbook(path, Regional::Russian());
    } catch (const WorkbookFault& fault) {
        return WorkbookFaultMessage(fault);
    }
    return "opened";
}

TEST(OpenWorkbook, NamesAMissingFile)
{
    TempFolder folder;
    const std::string path = folder.File("нет такого.xlsx");
    EXPECT_EQ(ErrorMessage(path), FormatMessage(QRNConsts::sFileNotFound, {path}));
}

TEST(OpenWorkbook, NamesAFolderGivenForAFile)
{
    TempFolder folder;
    const std::string path = folder.Path().string();
    EXPECT_EQ(ErrorMessage(path), FormatMessage(QRNConsts::sFileNotReadable, {path, QRNConsts::sReasonIsFolder}));
}

TEST(OpenWorkbook, NamesAFileItMayNotRead)
{
    TempFolder folder;
    const std::string path = folder.File("locked.xlsx");
    WriteFileBytes(path, "PK");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (access(path.c_str(), R_OK) == 0) GTEST_SKIP() << "the file stays readable to this user (root)";
    EXPECT_EQ(ErrorMessage(path), FormatMessage(QRNConsts::sFileNotReadable, {path, QRNConsts::sReasonAccessDenied}));
}

TEST(OpenWorkbook, NamesAnEmptyFile)
{
    TempFolder folder;
    const std::string path = folder.File("empty.xlsx");
    WriteFileBytes(path, "");
    EXPECT_EQ(ErrorMessage(path), FormatMessage(QRNConsts::sWorkbookBroken, {path, QRNConsts::sReasonEmptyFile}));
}

struct ContentCase {
    const char* what;
    std::string bytes;
    const char* refusal;
};

void PrintTo(const ContentCase& c, std::ostream* os)
{
    *os << c.what;
}

class OpenWorkbookContentTest : public testing::TestWithParam<ContentCase> {};

TEST_P(OpenWorkbookContentTest, RefusesWhatIsNoWorkbook)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteFileBytes(path, GetParam().bytes);
    EXPECT_EQ(Refusal(path), GetParam().refusal) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Content, OpenWorkbookContentTest,
    testing::Values(ContentCase{"a text file renamed", "Артикул;Цена\n1;2\n", "unsupported"},
                    ContentCase{"an HTML table saved as a spreadsheet", "<html><table><tr><td>1</td></tr></table>",
                                "unsupported"},
                    ContentCase{"the start of an Excel 4.0 worksheet only",
                                std::string("\x09\x04\x06\x00\x00\x00\x10\x00", 8), "broken"},
                    ContentCase{"the start of an Excel 2.1 worksheet only",
                                std::string("\x09\x00\x04\x00\x02\x00\x10\x00", 8), "broken"},
                    ContentCase{"the start of a zip only", std::string("PK\x03\x04\x14\x00", 6), "broken"},
                    ContentCase{"the start of an OLE2 file only",
                                std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00", 10), "broken"}),
    [](const testing::TestParamInfo<ContentCase>& info) { return CaseName(info.param.what, info.index); });

TEST(OpenWorkbook, ChoosesTheReaderByContentNotByName)
{
    TempFolder folder;
    const std::string xlsxNamedXls = folder.File("really-xlsx.xls");
    WriteZip(xlsxNamedXls, XlsxPackage({"<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"}));
    const std::string odsNamedXlsx = folder.File("really-ods.xlsx");
    WriteZip(odsNamedXlsx, OdsPackage("<table:table><table:table-row><table:table-cell office:value-type=\"float\" "
                                      "office:value=\"2\"/></table:table-row></table:table>"));
    EXPECT_EQ(ReadDump(xlsxNamedXls), "1\t1\t1\n");
    EXPECT_EQ(ReadDump(odsNamedXlsx), "1\t1\t2\n");
}

TEST(OpenWorkbook, FormatsCellsWithTheGivenRegionalFormats)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteZip(path, XlsxPackage({"<row r=\"1\"><c r=\"A1\"><v>1.25</v></c><c r=\"B1\" s=\"1\"><v>45000.5</v></c></row>",
                                "", "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"22\"/></cellXfs>"}));
    Regional english;
    english.decimalSeparator = ".";
    english.shortDateFormat = "M/d/yyyy";
    english.longTimeFormat = "h:mm:ss AP";
    const auto workbook = OpenWorkbook(path, english);
    EXPECT_EQ(workbook->CellText(1, 1), "1.25");
    EXPECT_EQ(workbook->CellText(1, 2), "3/15/2023 12:00:00 PM");
}

// The supplier layout names columns by merged header cells and marks hidden
// ones; xlsx gives both around the cells, ods within them.
TEST(OpenWorkbook, GivesTheSheetTopItsMergedRangesAndHiddenColumns)
{
    TempFolder folder;
    const std::string xlsx = folder.File("book.xlsx");
    WriteZip(xlsx, Replaced(XlsxPackage({}), "xl/worksheets/sheet1.xml",
                            std::string("<worksheet xmlns=\"") + kMainNamespace
                                + "\"><cols><col min=\"1\" max=\"3\" width=\"9\"/><col min=\"4\" max=\"5\" "
                                  "hidden=\"1\"/></cols><sheetData><row r=\"1\"><c r=\"B1\" t=\"inlineStr\"><is><t>"
                                  "Цена</t></is></c></row></sheetData><mergeCells><mergeCell ref=\"B1:C1\"/>"
                                  "<mergeCell ref=\"A7:B7\"/><mergeCell ref=\"D2:XFE2\"/><mergeCell "
                                  "ref=\"XFE1:XFF2\"/></mergeCells></worksheet>"));
    const std::string ods = folder.File("book.ods");
    WriteZip(ods, OdsPackage("<table:table><table:table-column table:number-columns-repeated=\"3\"/>"
                             "<table:table-column table:number-columns-repeated=\"2\" table:visibility=\"collapse\"/>"
                             "<table:table-row><table:table-cell/><table:table-cell table:number-columns-spanned=\"2\" "
                             "office:value-type=\"string\"><text:p>Цена</text:p></table:table-cell>"
                             "<table:covered-table-cell/></table:table-row><table:table-row><table:table-cell "
                             "table:number-columns-repeated=\"3\"/><table:table-cell "
                             "table:number-columns-spanned=\"99999\"/></table:table-row></table:table>"));
    for (const std::string& path : {xlsx, ods}) {
        const SheetTop top = ReadSheetTop(path, Regional::Russian(), {}, 1, 2);
        EXPECT_EQ(top.merged, std::vector<CellRange>({{1, 2, 1, 3}, {2, 4, 2, 16384}})) << path;
        EXPECT_EQ(top.hiddenColumns, std::vector<bool>({false, false, false, true, true})) << path;
    }
}

} // namespace
