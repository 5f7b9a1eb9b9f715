#include "TestPackages.h"

#include "support/CaseName.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string Table(const std::string& rows, const std::string& name = "Лист1")
{
    return "<table:table table:name=\"" + name + "\">" + rows + "</table:table>";
}

std::string Row(const std::string& cells, const std::string& attributes = "")
{
    return "<table:table-row " + attributes + ">" + cells + "</table:table-row>";
}

std::string TextCell(const std::string& paragraphs, const std::string& attributes = "")
{
    return "<table:table-cell office:value-type=\"string\" " + attributes + ">" + paragraphs + "</table:table-cell>";
}

std::string ValueCell(const std::string& attributes)
{
    return "<table:table-cell " + attributes + "/>";
}

struct OdsCase {
    const char* what;
    std::string tables;
    const char* dump;
};

void PrintTo(const OdsCase& c, std::ostream* os)
{
    *os << c.what;
}

class OdsCellsTest : public testing::TestWithParam<OdsCase> {};

TEST_P(OdsCellsTest, GivesTheCellTexts)
{
    TempFolder folder;
    const std::string path = folder.File("book.ods");
    WriteZip(path, OdsPackage(GetParam().tables));
    EXPECT_EQ(ReadDump(path), GetParam().dump) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Ods, OdsCellsTest,
    testing::Values(
        OdsCase{"paragraphs, blanks, tabs, line breaks, spans and links; comments left out",
                Table(Row(TextCell("<text:p>a<text:s text:c=\"3\"/>b <text:s/></text:p><text:p>c<text:tab/>d</text:p>")
                          + TextCell("<office:annotation><dc:creator>me</dc:creator><text:p>note</text:p>"
                                     "</office:annotation><text:p><text:span>x</text:span><text:line-break/>"
                                     "<text:a xlink:href=\"http://example.org\" "
                                     "xmlns:xlink=\"http://www.w3.org/1999/xlink\">y</text:a></text:p>"))),
                "1\t1\ta   b  \\nc\\td\n1\t2\tx\\ny\n"},
        OdsCase{"value types",
                Table(Row(ValueCell("office:value-type=\"float\" office:value=\"0.1\"")
                          + ValueCell("office:value-type=\"percentage\" office:value=\"0.5\"")
                          + ValueCell("office:value-type=\"currency\" office:currency=\"RUB\" office:value=\"1E15\"")
                          + ValueCell("office:value-type=\"boolean\" office:boolean-value=\"true\"")
                          + ValueCell("office:value-type=\"boolean\" office:boolean-value=\"false\"")
                          + ValueCell("office:value-type=\"string\" office:string-value=\"attribute\""))),
                "1\t1\t0,1\n1\t2\t0,5\n1\t3\t1E15\n1\t4\tTrue\n1\t5\tFalse\n1\t6\tattribute\n"},
        OdsCase{"dates and times",
                Table(Row(ValueCell("office:value-type=\"date\" office:date-value=\"2020-01-15\"")
                          + ValueCell("office:value-type=\"date\" office:date-value=\"2020-01-15T10:30:00.4\"")
                          + ValueCell("office:value-type=\"date\" office:date-value=\"1899-12-30T06:00:00\"")
                          + ValueCell("office:value-type=\"time\" office:time-value=\"PT12H30M15S\"")
                          + ValueCell("office:value-type=\"time\" office:time-value=\"PT00H00M00S\"")
                          // A day or more: a serial of the 1900 date system.
                          + ValueCell("office:value-type=\"time\" office:time-value=\"PT288H\"")
                          + ValueCell("office:value-type=\"time\" office:time-value=\"PT27H17M54S\""))),
                "1\t1\t15.01.2020\n1\t2\t15.01.2020 10:30:00\n1\t3\t06:00:00\n1\t4\t12:30:15\n1\t5\t00:00:00\n"
                "1\t6\t12.01.1900\n1\t7\t01.01.1900 03:17:54\n"},
        OdsCase{"an error result gives its text, not the number beside it",
                Table(Row("<table:table-cell office:value-type=\"float\" office:value=\"0\" "
                          "calcext:value-type=\"error\"><text:p>#DIV/0!</text:p></table:table-cell>")),
                "1\t1\t#DIV/0!\n"},
        OdsCase{
            "repeated cells and rows with content are repeated; empty repeats only move on",
            Table(Row(ValueCell("table:number-columns-repeated=\"2\"")
                      + ValueCell("table:number-columns-repeated=\"2\" office:value-type=\"float\" office:value=\"5\""))
                  + Row(ValueCell(""), "table:number-rows-repeated=\"3\"")
                  + Row(TextCell("<text:p>r</text:p>"), "table:number-rows-repeated=\"2\"")),
            "1\t3\t5\n1\t4\t5\n5\t1\tr\n6\t1\tr\n"},
        OdsCase{
            "huge trailing repeats of empty cells are not materialised",
            Table(Row(TextCell("<text:p>a</text:p>") + ValueCell("table:number-columns-repeated=\"16383\""))
                  + Row(ValueCell("table:number-columns-repeated=\"16384\""), "table:number-rows-repeated=\"1048575\"")
                  + Row(ValueCell("table:number-columns-repeated=\"99999999\""),
                        "table:number-rows-repeated=\"2000000000\"")),
            "1\t1\ta\n"},
        OdsCase{"covered cells of a merged range are still read",
                Table(Row("<table:table-cell table:number-columns-spanned=\"2\" office:value-type=\"string\">"
                          "<text:p>merged</text:p></table:table-cell><table:covered-table-cell "
                          "office:value-type=\"float\" office:value=\"3\"/>")),
                "1\t1\tmerged\n1\t2\t3\n"},
        OdsCase{"rows in groups and header rows; only the first table",
                Table("<table:table-header-rows>" + Row(TextCell("<text:p>head</text:p>"))
                      + "</table:table-header-rows><table:table-row-group>" + Row(TextCell("<text:p>grouped</text:p>"))
                      + "</table:table-row-group>")
                    + Table(Row(TextCell("<text:p>second</text:p>")), "Лист2"),
                "1\t1\thead\n2\t1\tgrouped\n"},
        OdsCase{"a spreadsheet without tables has no cells", "", ""}),
    [](const testing::TestParamInfo<OdsCase>& info) { return CaseName(info.param.what, info.index); });

struct OdsRefusalCase {
    const char* what;
    std::vector<PackageEntry> entries;
    const char* refusal;
};

void PrintTo(const OdsRefusalCase& c, std::ostream* os)
{
    *os << c.what;
}

class OdsRefusalTest : public testing::TestWithParam<OdsRefusalCase> {};

TEST_P(OdsRefusalTest, RefusesTheDocument)
{
    TempFolder folder;
    const std::string path = folder.File("book.ods");
    WriteZip(path, GetParam().entries);
    EXPECT_EQ(Refusal(path), GetParam().refusal) << GetParam().what;
}

std::vector<PackageEntry> OneCell()
{
    return OdsPackage(Table(Row(TextCell("<text:p>a</text:p>"))));
}

INSTANTIATE_TEST_SUITE_P(
    Ods, OdsRefusalTest,
    testing::Values(
        OdsRefusalCase{"a text document", Replaced(OneCell(), "mimetype", "application/vnd.oasis.opendocument.text"),
                       "unsupported"},
        OdsRefusalCase{
            "encrypted content",
            Replaced(OneCell(), "META-INF/manifest.xml",
                     "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                     "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
                     "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\"/>"
                     "</manifest:file-entry></manifest:manifest>"),
            "encrypted"},
        OdsRefusalCase{"no content", Without(OneCell(), "content.xml"), "broken"},
        OdsRefusalCase{"content not well-formed", Replaced(OneCell(), "content.xml", "<office:document-content>"),
                       "broken"},
        OdsRefusalCase{"content beyond the last row",
                       OdsPackage(Table(Row(ValueCell(""), "table:number-rows-repeated=\"1048576\"")
                                        + Row(TextCell("<text:p>a</text:p>")))),
                       "broken"},
        OdsRefusalCase{"content beyond the last column",
                       OdsPackage(Table(Row(ValueCell("table:number-columns-repeated=\"16384\"")
                                            + TextCell("<text:p>a</text:p>")))),
                       "broken"},
        OdsRefusalCase{"content repeated into billions of cells",
                       OdsPackage(Table(Row(TextCell("<text:p>a</text:p>", "table:number-columns-repeated=\"16384\""),
                                            "table:number-rows-repeated=\"1048576\""))),
                       "too large"},
        // ISO 8601 has no exponents, NaN or infinity: such a value is damage.
        OdsRefusalCase{"a duration with an exponent",
                       OdsPackage(Table(Row(ValueCell("office:value-type=\"time\" office:time-value=\"P1e300D\"")))),
                       "broken"},
        OdsRefusalCase{"a duration that is no number",
                       OdsPackage(Table(Row(ValueCell("office:value-type=\"time\" office:time-value=\"PnanD\"")))),
                       "broken"}),
    [](const testing::TestParamInfo<OdsRefusalCase>& info) { return CaseName(info.param.what, info.index); });

} // namespace
