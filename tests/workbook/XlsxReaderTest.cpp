#include "TestPackages.h"

#include "support/CaseName.h"
#include "support/TempFolder.h"
#include "workbook/open/OpenWorkbook.h"

#include <gtest/gtest.h>

#include <xlsxwriter.h>

#include <algorithm>

namespace {

struct CellCase {
    const char* what;
    XlsxParts parts;
    const char* dump;
};

void PrintTo(const CellCase& c, std::ostream* os)
{
    *os << c.what;
}

class XlsxCellsTest : public testing::TestWithParam<CellCase> {};

TEST_P(XlsxCellsTest, GivesTheCellTexts)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteZip(path, XlsxPackage(GetParam().parts));
    EXPECT_EQ(ReadDump(path), GetParam().dump) << GetParam().what;
}

const char kDateStyles[] =
    "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\\ hh:mm\"/>"
    "<numFmt numFmtId=\"165\" formatCode=\"[h]:mm:ss\"/>"
    "<numFmt numFmtId=\"166\" formatCode=\"&quot;day&quot;\\ 0.00\"/></numFmts>"
    "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
    "<xf numFmtId=\"166\"/><xf numFmtId=\"10\"/></cellXfs>";

INSTANTIATE_TEST_SUITE_P(
    Xlsx, XlsxCellsTest,
    testing::Values(
        CellCase{"shared strings: rich runs joined, phonetic runs left out, blanks kept",
                 {"<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>",
                  "<si><t xml:space=\"preserve\"> plain </t></si>"
                  "<si><r><t>東</t></r><r><rPr><b/></rPr><t>京</t></r><rPh sb=\"0\" eb=\"1\"><t>トウ</t></rPh></si>"},
                 "1\t1\t plain \n1\t2\t東京\n"},
        CellCase{"inline strings, formula strings, booleans, errors, CDATA",
                 {"<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><r><t>in</t></r><r><t>line</t></r></is></c>"
                  "<c r=\"B2\" t=\"str\"><f>A2</f><v>formula</v></c><c r=\"C2\" t=\"b\"><v>1</v></c>"
                  "<c r=\"D2\" t=\"b\"><v>0</v></c><c r=\"E2\" t=\"e\"><v>#DIV/0!</v></c>"
                  "<c r=\"F2\" t=\"inlineStr\"><is><t><![CDATA[a<b]]></t></is></c></row>"},
                 "2\t1\tinline\n2\t2\tformula\n2\t3\tTrue\n2\t4\tFalse\n2\t5\t#DIV/0!\n2\t6\ta<b\n"},
        CellCase{"a formula without a cached value is empty",
                 {"<row r=\"1\"><c r=\"A1\"><f>1+1</f></c><c r=\"B1\" t=\"str\"><f>A1</f></c>"
                  "<c r=\"C1\"><f>2</f><v>2</v></c></row>"},
                 "1\t3\t2\n"},
        CellCase{"cells and rows without r count on from the previous ones",
                 {"<row><c><v>1</v></c><c><v>2</v></c></row><row r=\"4\"><c r=\"C4\"><v>3</v></c><c><v>4</v></c>"
                  "</row><row><c><v>5</v></c></row>"},
                 "1\t1\t1\n1\t2\t2\n4\t3\t3\n4\t4\t4\n5\t1\t5\n"},
        CellCase{"escapes: carriage return, literal escape, surrogate pair, lone surrogate",
                 {"<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a_x000D_b</t></is></c>"
                  "<c r=\"B1\" t=\"inlineStr\"><is><t>_x005F_x0041_</t></is></c>"
                  "<c r=\"C1\" t=\"s\"><v>0</v></c><c r=\"D1\" t=\"str\"><v>x_xD800_y</v></c></row>",
                  "<si><t>_xD83D__xDE00_ _x0041_</t></si>"},
                 "1\t1\ta\\rb\n1\t2\t_x0041_\n1\t3\t\xF0\x9F\x98\x80 A\n1\t4\tx\xEF\xBF\xBDy\n"},
        CellCase{
            "numbers in general form whatever their format",
            {"<row r=\"1\"><c r=\"A1\"><v>99.98999999999999</v></c><c r=\"B1\"><v>1E15</v></c>"
             "<c r=\"C1\"><v>1.5E-6</v></c><c r=\"D1\" s=\"5\"><v>0.125</v></c><c r=\"E1\" s=\"4\"><v>-12.5</v></c>"
             "<c r=\"F1\" t=\"n\"><v>0.1000000000000000055</v></c></row>",
             "", kDateStyles},
            "1\t1\t99,99\n1\t2\t1E15\n1\t3\t1,5E-6\n1\t4\t0,125\n1\t5\t-12,5\n1\t6\t0,1\n"},
        CellCase{"dates by built-in and custom formats, 1900 system",
                 {"<row r=\"1\"><c r=\"A1\" s=\"1\"><v>60</v></c><c r=\"B1\" s=\"1\"><v>61</v></c>"
                  "<c r=\"C1\" s=\"2\"><v>45000.75</v></c><c r=\"D1\" s=\"3\"><v>0.5</v></c>"
                  "<c r=\"E1\" s=\"3\"><v>1.5</v></c><c r=\"F1\" s=\"1\"><v>-1</v></c></row>",
                  "", kDateStyles},
                 "1\t1\t28.02.1900\n1\t2\t01.03.1900\n1\t3\t15.03.2023 18:00:00\n1\t4\t12:00:00\n"
                 "1\t5\t01.01.1900 12:00:00\n1\t6\t-1\n"},
        CellCase{"the 1904 date system",
                 {"<row r=\"1\"><c r=\"A1\" s=\"1\"><v>0</v></c><c r=\"B1\" s=\"3\"><v>0.25</v></c>"
                  "<c r=\"C1\" s=\"2\"><v>0.25</v></c><c r=\"D1\" s=\"1\"><v>43554</v></c></row>",
                  "", kDateStyles, "date1904=\"1\""},
                 "1\t1\t01.01.1904\n1\t2\t06:00:00\n1\t3\t01.01.1904 06:00:00\n1\t4\t31.03.2023\n"},
        CellCase{"ISO date cells, rounded to the second",
                 {"<row r=\"1\"><c r=\"A1\" t=\"d\"><v>2017-03-16</v></c>"
                  "<c r=\"B1\" t=\"d\" s=\"1\"><v>2014-02-14T08:27:48.765Z</v></c>"
                  "<c r=\"C1\" t=\"d\"><v>2014-02-14T08:27:48.4999998</v></c>"
                  "<c r=\"D1\" t=\"d\"><v>2014-02-14T08:27:48.49999999999999999</v></c>"
                  "<c r=\"E1\" s=\"2\"><v>45356.57903356481</v></c></row>",
                  "", kDateStyles},
                 "1\t1\t16.03.2017\n1\t2\t14.02.2014 08:27:49\n1\t3\t14.02.2014 08:27:48\n"
                 "1\t4\t14.02.2014 08:27:48\n1\t5\t05.03.2024 13:53:48\n"},
        CellCase{"a differential format's numFmt leaves the cells' formats alone",
                 {"<row r=\"1\"><c r=\"A1\" s=\"1\"><v>42062</v></c></row>", "",
                  "<numFmts count=\"0\"/><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs>"
                  "<dxfs><dxf><numFmt numFmtId=\"14\" formatCode=\"0\"/></dxf></dxfs>"},
                 "1\t1\t27.02.2015\n"},
        CellCase{"a later record of the same cell replaces the earlier, named",
                 {"<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"A1\"><v>2</v></c></row>"},
                 "1\t1\t2\n! 5 A1\n"},
        CellCase{"a row given twice gives the cells of both, named",
                 {"<row r=\"2\"><c r=\"A2\"><v>1</v></c></row><row r=\"3\"><c r=\"A3\"><v>3</v></c></row>"
                  "<row r=\"2\"><c r=\"B2\"><v>2</v></c></row>"},
                 "2\t1\t1\n2\t2\t2\n3\t1\t3\n! 6 2\n"}),
    [](const testing::TestParamInfo<CellCase>& info) { return CaseName(info.param.what, info.index); });

// The named parts of a minimal package with one worksheet, for tests that
// reshape the package itself.
std::vector<PackageEntry> OneCellPackage()
{
    return XlsxPackage({"<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>ok</t></is></c></row>"});
}

const std::string kRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kPackageRels = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string Relationships(const std::string& items)
{
    return "<Relationships xmlns=\"" + kPackageRels + "\">" + items + "</Relationships>";
}

std::string WorkbookPart(const std::string& ns, const std::string& relsNs, const std::string& sheets)
{
    return "<x:workbook xmlns:x=\"" + ns + "\" xmlns:rel=\"" + relsNs + "\"><x:sheets>" + sheets
           + "</x:sheets></x:workbook>";
}

struct PackageCase {
    const char* what;
    std::vector<PackageEntry> entries;
    const char* dump;
};

void PrintTo(const PackageCase& c, std::ostream* os)
{
    *os << c.what;
}

class XlsxPackageTest : public testing::TestWithParam<PackageCase> {};

TEST_P(XlsxPackageTest, FindsTheFirstSheet)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteZip(path, GetParam().entries);
    EXPECT_EQ(ReadDump(path), GetParam().dump) << GetParam().what;
}

std::vector<PackageEntry> TwoSheetsHiddenFirst()
{
    auto entries = OneCellPackage();
    entries = Replaced(entries, "xl/workbook.xml",
                       WorkbookPart(kMainNamespace, kRels,
                                    "<x:sheet name=\"Hidden\" sheetId=\"2\" state=\"hidden\" rel:id=\"rId7\"/>"
                                    "<x:sheet name=\"Visible\" sheetId=\"1\" rel:id=\"rId1\"/>"));
    entries = Replaced(entries, "xl/_rels/workbook.xml.rels",
                       Relationships("<Relationship Id=\"rId1\" Type=\"" + kRels
                                     + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                                       "<Relationship Id=\"rId7\" Type=\""
                                     + kRels + "/worksheet\" Target=\"worksheets/sheet2.xml\"/>"));
    entries.push_back({"xl/worksheets/sheet2.xml",
                       "<worksheet xmlns=\"" + std::string(kMainNamespace)
                           + "\"><sheetData><row r=\"3\"><c r=\"B3\"><v>7</v></c></row></sheetData></worksheet>"});
    return entries;
}

std::vector<PackageEntry> AbsoluteTargets()
{
    auto entries = OneCellPackage();
    entries = Replaced(
        entries, "_rels/.rels",
        Relationships("<Relationship Id=\"rId1\" Type=\"" + kRels + "/officeDocument\" Target=\"/xl/workbook.xml\"/>"));
    return Replaced(entries, "xl/_rels/workbook.xml.rels",
                    Relationships("<Relationship Id=\"rId1\" Type=\"" + kRels
                                  + "/worksheet\" Target=\"/xl/worksheets/sheet1.xml\"/>"));
}

std::vector<PackageEntry> StrictWithOddPartNames()
{
    const std::string strictRels = "http://purl.oclc.org/ooxml/officeDocument/relationships";
    auto entries = Without(OneCellPackage(), "xl/worksheets/sheet1.xml");
    entries = Replaced(entries, "_rels/.rels",
                       Relationships("<Relationship Id=\"rId1\" Type=\"" + strictRels
                                     + "/officeDocument\" Target=\"xl/workbook.xml\"/>"));
    entries = Replaced(entries, "xl/workbook.xml",
                       WorkbookPart("http://purl.oclc.org/ooxml/spreadsheetml/main", strictRels,
                                    "<x:sheet name=\"A\" sheetId=\"1\" rel:id=\"rId1\"/>"));
    entries = Replaced(entries, "xl/_rels/workbook.xml.rels",
                       Relationships("<Relationship Id=\"rId1\" Type=\"" + strictRels
                                     + "/worksheet\" Target=\"./sheets/../Sheet%201&amp;2.xml\"/>"));
    entries.push_back({"xl/sheet 1&2.xml", "<s:worksheet xmlns:s=\"http://purl.oclc.org/ooxml/spreadsheetml/main\">"
                                           "<s:sheetData><s:row><s:c><s:v>5</s:v></s:c></s:row></s:sheetData>"
                                           "</s:worksheet>"});
    return entries;
}

INSTANTIATE_TEST_SUITE_P(
    Xlsx, XlsxPackageTest,
    testing::Values(PackageCase{"the first sheet in workbook order, also when hidden", TwoSheetsHiddenFirst(),
                                "3\t2\t7\n"},
                    PackageCase{"absolute targets", AbsoluteTargets(), "1\t1\tok\n"},
                    PackageCase{"strict namespaces, prefixes, escaped and relative target, other case",
                                StrictWithOddPartNames(), "1\t1\t5\n"}),
    [](const testing::TestParamInfo<PackageCase>& info) { return CaseName(info.param.what, info.index); });

std::vector<PackageEntry> WithSheet(const std::string& sheet)
{
    return Replaced(OneCellPackage(), "xl/worksheets/sheet1.xml", sheet);
}

std::vector<PackageEntry> ChartSheetFirst()
{
    auto entries = Replaced(OneCellPackage(), "xl/_rels/workbook.xml.rels",
                            Relationships("<Relationship Id=\"rId1\" Type=\"" + kRels
                                          + "/chartsheet\" Target=\"chartsheets/sheet1.xml\"/>"));
    entries.push_back({"xl/chartsheets/sheet1.xml", "<chartsheet xmlns=\"" + std::string(kMainNamespace) + "\"/>"});
    return entries;
}

std::vector<PackageEntry> WordDocument()
{
    return {{"[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
            {"_rels/.rels", Relationships("<Relationship Id=\"rId1\" Type=\"" + kRels
                                          + "/officeDocument\" Target=\"word/document.xml\"/>")},
            {"word/document.xml",
             "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>"}};
}

// The workbook's relationships with the first sheet's id naming `target`.
std::vector<PackageEntry> SheetRelationships(const std::string& target)
{
    return Replaced(
        OneCellPackage(), "xl/_rels/workbook.xml.rels",
        Relationships("<Relationship Id=\"rId1\" Type=\"" + kRels + "/worksheet\" Target=\"" + target + "\"/>"));
}

std::vector<PackageEntry> WithSharedStrings(std::vector<PackageEntry> entries)
{
    entries.push_back(
        {"xl/sharedStrings.xml", "<sst xmlns=\"" + std::string(kMainNamespace) + "\"><si><t>x</t></si></sst>"});
    return entries;
}

struct RefusalCase {
    const char* what;
    std::vector<PackageEntry> entries;
    const char* refusal;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.what;
}

class XlsxRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(XlsxRefusalTest, RefusesTheWorkbook)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteZip(path, GetParam().entries);
    EXPECT_EQ(Refusal(path), GetParam().refusal) << GetParam().what;
}

const std::string kWorksheetStart = "<worksheet xmlns=\"" + std::string(kMainNamespace) + "\"><sheetData>";
const std::string kWorksheetEnd = "</sheetData></worksheet>";

INSTANTIATE_TEST_SUITE_P(
    Xlsx, XlsxRefusalTest,
    testing::Values(
        RefusalCase{"DOCTYPE with an entity in the sheet",
                    WithSheet("<!DOCTYPE worksheet [<!ENTITY x \"boom\">]>" + kWorksheetStart
                              + "<row><c t=\"inlineStr\"><is><t>&x;</t></is></c></row>" + kWorksheetEnd),
                    "broken"},
        RefusalCase{
            "DOCTYPE with an external entity in the relationships",
            Replaced(OneCellPackage(), "_rels/.rels",
                     "<!DOCTYPE r SYSTEM \"file:///etc/passwd\"><Relationships xmlns=\"" + kPackageRels + "\"/>"),
            "broken"},
        RefusalCase{"sheet not well-formed", WithSheet(kWorksheetStart + "<row><c><v>1</v></row>" + kWorksheetEnd),
                    "broken"},
        RefusalCase{"no package relationships", Without(OneCellPackage(), "_rels/.rels"), "broken"},
        RefusalCase{"no workbook relationships", Without(OneCellPackage(), "xl/_rels/workbook.xml.rels"), "broken"},
        RefusalCase{"no sheet part", Without(OneCellPackage(), "xl/worksheets/sheet1.xml"), "broken"},
        RefusalCase{"a column beyond XFD",
                    WithSheet(kWorksheetStart + "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>" + kWorksheetEnd),
                    "broken"},
        RefusalCase{"a row beyond 1048576",
                    WithSheet(kWorksheetStart + "<row r=\"1048577\"><c><v>1</v></c></row>" + kWorksheetEnd), "broken"},
        RefusalCase{"a cell reference that is none",
                    WithSheet(kWorksheetStart + "<row r=\"1\"><c r=\"1A\"><v>1</v></c></row>" + kWorksheetEnd),
                    "broken"},
        RefusalCase{"a shared string the table lacks",
                    WithSheet(kWorksheetStart + "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>" + kWorksheetEnd),
                    "broken"},
        RefusalCase{"a chart sheet first", ChartSheetFirst(), "unsupported"},
        RefusalCase{"the sheet under a password",
                    [] {
                        std::vector<PackageEntry> entries = OneCellPackage();
                        for (PackageEntry& entry : entries) entry.underPassword = entry.name.ends_with("sheet1.xml");
                        return entries;
                    }(),
                    "encrypted"},
        // A first sheet that cannot be found is never an empty sheet.
        RefusalCase{"the sheet's id names the workbook part", SheetRelationships("workbook.xml"), "broken"},
        RefusalCase{"the sheet's id names the shared strings",
                    WithSharedStrings(SheetRelationships("sharedStrings.xml")), "broken"},
        RefusalCase{"the sheet's id names two parts",
                    SheetRelationships("worksheets/sheet1.xml\"/><Relationship Id=\"rId1\" Type=\"" + kRels
                                       + "/worksheet\" Target=\"worksheets/sheet2.xml"),
                    "broken"},
        RefusalCase{"a sheet in a foreign namespace",
                    WithSheet("<worksheet xmlns=\"urn:other\"><sheetData><row><c><v>1</v></c></row></sheetData>"
                              "</worksheet>"),
                    "unsupported"},
        RefusalCase{"a pre-release namespace",
                    Replaced(OneCellPackage(), "xl/workbook.xml",
                             WorkbookPart("http://schemas.microsoft.com/office/excel/2006/2", kRels,
                                          "<x:sheet name=\"A\" sheetId=\"1\" rel:id=\"rId1\"/>")),
                    "unsupported"},
        RefusalCase{"a word processing document", WordDocument(), "unsupported"},
        RefusalCase{"a zip of other files", {{"readme.txt", "hello"}}, "unsupported"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return CaseName(info.param.what, info.index); });

// Rewrites every occurrence of a name in the zip's bytes (local header and
// central directory alike), to make archives libzip would not write.
void RenameInZip(const std::string& path, const std::string& from, const std::string& to)
{
    std::string bytes = ReadFileBytes(path);
    for (auto pos = bytes.find(from); pos != std::string::npos; pos = bytes.find(from, pos + to.size()))
        bytes.replace(pos, from.size(), to);
    WriteFileBytes(path, bytes);
}

TEST(XlsxContainer, RefusesTwoEntriesOfTheSameName)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    auto entries = OneCellPackage();
    entries.push_back({"xl/worksheets/sheetX.xml", "<worksheet/>"});
    WriteZip(path, entries);
    RenameInZip(path, "xl/worksheets/sheetX.xml", "xl/worksheets/sheet1.xml");
    EXPECT_EQ(Refusal(path), "broken");
}

TEST(XlsxContainer, RefusesAPartWhoseChecksumDoesNotMatch)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteZip(path, OneCellPackage(), true);
    RenameInZip(path, "<t>ok</t>", "<t>OK</t>");
    EXPECT_EQ(Refusal(path), "broken");
}

TEST(XlsxContainer, RefusesATruncatedArchive)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteZip(path, OneCellPackage());
    const std::string bytes = ReadFileBytes(path);
    WriteFileBytes(path, bytes.substr(0, bytes.size() * 2 / 3));
    EXPECT_EQ(Refusal(path), "broken");
}

TEST(XlsxContainer, RefusesAPartThatInflatesFarBeyondItsSize)
{
    TempFolder folder;
    const std::string path = folder.File("book.xlsx");
    WriteZip(path, WithSheet(kWorksheetStart + std::string(64 << 20, ' ') + kWorksheetEnd));
    EXPECT_EQ(Refusal(path), "broken");
}

// Workbooks as a spreadsheet library writes them, with shared strings,
// number formats and formulas as Excel stores them.
class XlsxWriterBook {
public:
    explicit XlsxWriterBook(const std::string& path) : book_(workbook_new(path.c_str())) {}
    lxw_workbook* Book() { return book_; }
    lxw_worksheet* Sheet(const char* name) { return workbook_add_worksheet(book_, name); }
    lxw_format* NumberFormat(const char* code)
    {
        lxw_format* format = workbook_add_format(book_);
        format_set_num_format(format, code);
        return format;
    }
    void Close() { ASSERT_EQ(workbook_close(book_), LXW_NO_ERROR); }

private:
    lxw_workbook* book_;
};

TEST(XlsxWriterWorkbook, ReadsWhatTheLibraryWrote)
{
    TempFolder folder;
    const std::string path = folder.File("library.xlsx");
    XlsxWriterBook book(path);
    lxw_worksheet* sheet = book.Sheet("Товары");
    worksheet_write_string(sheet, 0, 0, "Артикул", nullptr);
    worksheet_write_string(sheet, 0, 1, "Цена", nullptr);
    worksheet_write_string(sheet, 1, 0, "Line1\nLine2\tTab \\", nullptr);
    worksheet_write_number(sheet, 1, 1, 99.98999999999999, book.NumberFormat("#,##0.00 \"₽\""));
    worksheet_write_number(sheet, 2, 1, 1e15, nullptr);
    worksheet_write_number(sheet, 3, 1, 1.5e-6, nullptr);
    worksheet_write_number(sheet, 4, 1, 44927, book.NumberFormat("dd.mm.yyyy"));
    worksheet_write_number(sheet, 5, 1, 0.75, book.NumberFormat("hh:mm:ss"));
    worksheet_write_boolean(sheet, 6, 1, 1, nullptr);
    worksheet_write_formula_num(sheet, 7, 1, "=B3*2", nullptr, 2e15);
    worksheet_write_formula_str(sheet, 8, 1, "=A1", nullptr, "Артикул");
    lxw_format* bold = workbook_add_format(book.Book());
    format_set_bold(bold);
    lxw_rich_string_tuple first = {nullptr, const_cast<char*>("Жирный ")};
    lxw_rich_string_tuple second = {bold, const_cast<char*>("текст")};
    lxw_rich_string_tuple* rich[] = {&first, &second, nullptr};
    worksheet_write_rich_string(sheet, 9, 0, rich, nullptr);
    worksheet_merge_range(sheet, 10, 0, 10, 2, "Объединено", nullptr);
    book.Sheet("Second");
    book.Close();

    EXPECT_EQ(ReadDump(path),
              "1\t1\tАртикул\n1\t2\tЦена\n2\t1\tLine1\\nLine2\\tTab \\\\\n2\t2\t99,99\n3\t2\t1E15\n4\t2\t1,5E-6\n"
              "5\t2\t01.01.2023\n6\t2\t18:00:00\n7\t2\tTrue\n8\t2\t2E15\n9\t2\tАртикул\n10\t1\tЖирный текст\n"
              "11\t1\tОбъединено\n");
}

TEST(XlsxWriterWorkbook, GivesEachRowsLastColumn)
{
    TempFolder folder;
    const std::string path = folder.File("columns.xlsx");
    XlsxWriterBook book(path);
    lxw_worksheet* sheet = book.Sheet("S");
    worksheet_write_number(sheet, 0, 4, 1, nullptr);
    worksheet_write_number(sheet, 2, 1, 2, nullptr);
    book.Close();

    const auto workbook = OpenWorkbook(path, Regional::Russian());
    EXPECT_EQ(workbook->LastRow(), 3);
    EXPECT_EQ(workbook->LastColumn(1), 5);
    EXPECT_EQ(workbook->LastColumn(2), 0);
    EXPECT_EQ(workbook->LastColumn(3), 2);
    EXPECT_EQ(workbook->CellText(1, 5), "1");
    EXPECT_EQ(workbook->CellText(1, 4), "");
    EXPECT_EQ(workbook->CellText(4, 1), "");
}

} // namespace
