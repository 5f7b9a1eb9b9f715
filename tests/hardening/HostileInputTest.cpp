// Files made to hurt: each is handled in bounded time and memory (measured on
// a child process doing the work alone) and ends in a clear outcome, the
// converted message or the Russian error naming the file.
#include "BookWorkbook.h"
#include "ChildProcess.h"
#include "WorkbookParts.h"

#include "base/Cp1251.h"
#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/Convert.h"
#include "convert/RecordingObserver.h"
#include "messages/FaultTexts.h"
#include "convert/ReadWorkbook.h"
#include "scheme/SchemeFile.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "support/TempFolder.h"
#include "workbook/open/OpenWorkbook.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The memory a piece of work may take: what it needs, plus, under the address
// sanitizer, its shadow memory and the freed blocks it holds back.
long MegabytesAllowed(long needed)
{
    return kSanitized ? needed * 3 + 400 : needed;
}

// Runs the work in a child and checks the bounds.
std::string Bounded(const std::function<std::string()>& work, long megabytes, int seconds)
{
    const ChildOutcome outcome = RunInChild(work, seconds);
    EXPECT_TRUE(outcome.finished) << "did not finish within " << seconds << " s";
    EXPECT_LT(outcome.peakKilobytes / 1024, MegabytesAllowed(megabytes)) << "peak memory in MB";
    testing::Test::RecordProperty("child_seconds", std::to_string(outcome.seconds));
    testing::Test::RecordProperty("child_peak_mb", std::to_string(outcome.peakKilobytes / 1024));
    return outcome.report;
}

std::string OpeningError(const std::string& path)
{
    try {
        (void)OpenWorkbook(path, Regional::Russian());
    } catch (const WorkbookFault& fault) {
        return WorkbookFaultMessage(fault);
    }
    return "opened";
}

std::string Broken(const std::string& path, const std::string& reason)
{
    return FormatMessage(QRNConsts::sWorkbookBroken, {path, reason});
}

// The file is refused as damaged, or as too large or damaged (a read that
// reached its budget).
bool RefusedAsDamagedOrTooLarge(const std::string& report, const std::string& path)
{
    for (const char* pattern : {QRNConsts::sWorkbookBroken, QRNConsts::sWorkbookOverBudget}) {
        const std::string head = FormatMessage(pattern, {path, ""});
        if (report.compare(0, head.size(), head) == 0) return true;
    }
    return false;
}

std::string Declared(const std::string& root)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + root;
}

std::string ColumnLetters(int column)
{
    std::string letters;
    for (; column > 0; column = (column - 1) / 26) letters.insert(letters.begin(), char('A' + (column - 1) % 26));
    return letters;
}

const char kOdsRoot[] =
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>";

// ---- Zip bombs: a part of a few hundred kilobytes that inflates a
// thousandfold. The reader stops at its limit on the inflated size of a part
// or, earlier, at a limit of the sheet; either way the file is refused as
// damaged long before the bomb is spent.

struct ZipBomb {
    const char* name;
    std::vector<BundlePart> (*others)();
    const char* part;
    std::string head;
    std::string filler;
};

void PrintTo(const ZipBomb& c, std::ostream* os)
{
    *os << c.name;
}

const ZipBomb kZipBombs[] = {
    {"XlsxSheet", [] { return XlsxWithSheetData(""); }, "xl/worksheets/sheet1.xml",
     Declared(std::string("<worksheet xmlns=\"") + kSpreadsheetMl + "\"><sheetData>"),
     "<row><c t=\"inlineStr\"><is><t>boom</t></is></c></row>"},
    {"XlsxSharedStrings",
     [] { return XlsxWithSheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>", "<si><t>x</t></si>"); },
     "xl/sharedStrings.xml", Declared(std::string("<sst xmlns=\"") + kSpreadsheetMl + "\">"), "<si><t>boom</t></si>"},
    {"OdsContent", [] { return OdsWithContent(""); }, "content.xml",
     Declared(std::string(kOdsRoot) + "<table:table table:name=\"1\">"),
     "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>boom</text:p></table:table-cell>"
     "</table:table-row>"},
};

class ZipBombTest : public testing::TestWithParam<ZipBomb> {};

TEST_P(ZipBombTest, IsRefusedEarly)
{
    TempFolder folder;
    const std::string path = folder.File(GetParam().part == std::string("content.xml") ? "bomb.ods" : "bomb.xlsx");
    constexpr std::uint64_t kInflated = 256ULL << 20;
    WriteZipWithInflatingPart(path, GetParam().others(), GetParam().part, GetParam().head, GetParam().filler,
                              kInflated);
    ASSERT_LT(std::filesystem::file_size(path), kInflated / 250) << "not a bomb";
    const std::string report = Bounded([&] { return OpeningError(path); }, 300, 60);
    EXPECT_TRUE(RefusedAsDamagedOrTooLarge(report, path)) << report;
}

INSTANTIATE_TEST_SUITE_P(Parts, ZipBombTest, testing::ValuesIn(kZipBombs),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Small files that claim to hold a great deal: each reaches a limit of
// the read (cells, text, one cell's text, shared strings, attributes of one
// element) long before the memory or the time it claims.

struct Claim {
    const char* name;
    std::vector<BundlePart> (*others)();
    const char* part;
    std::string head;
    std::string filler;
    std::uint64_t inflated;
    const char* refusal; // the pattern of the message
};

void PrintTo(const Claim& c, std::ostream* os)
{
    *os << c.name;
}

std::string Repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

const std::string kOdsTable = Declared(std::string(kOdsRoot) + "<table:table table:name=\"1\">");
const std::string kBlanks = "<text:s text:c=\"32767\"/>";

const Claim kClaims[] = {
    {"OdsCellOfBlanks", [] { return OdsWithContent(""); }, "content.xml",
     kOdsTable + "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>", kBlanks,
     60000 * kBlanks.size(), QRNConsts::sWorkbookOverBudget},
    {"OdsCellsOfBlanks", [] { return OdsWithContent(""); }, "content.xml", kOdsTable + "<table:table-row>",
     "<table:table-cell office:value-type=\"string\"><text:p>" + Repeated(kBlanks, 400)
         + "</text:p></table:table-cell>",
     2 << 20, QRNConsts::sWorkbookOverBudget},
    {"OdsRepeatedRowsAndColumns", [] { return OdsWithContent(""); }, "content.xml", kOdsTable,
     "<table:table-row table:number-rows-repeated=\"2440\"><table:table-cell table:number-columns-repeated=\"16384\" "
     "office:value-type=\"string\"><text:p>"
         + std::string(400, 'x') + "</text:p></table:table-cell></table:table-row>",
     2000, QRNConsts::sWorkbookTooLarge},
    {"XlsxAttributesOfOneCell", [] { return XlsxWithSheetData(""); }, "xl/worksheets/sheet1.xml",
     Declared(std::string("<worksheet xmlns=\"") + kSpreadsheetMl + "\"><sheetData><row><c"), " a=\"1\"", 400000 * 6,
     QRNConsts::sWorkbookOverBudget},
    {"XlsxLongInlineString", [] { return XlsxWithSheetData(""); }, "xl/worksheets/sheet1.xml",
     Declared(std::string("<worksheet xmlns=\"") + kSpreadsheetMl + "\"><sheetData><row><c t=\"inlineStr\"><is><t>"),
     "abcdefghij", 600 << 20, nullptr},
    {"XlsxEmptySharedStrings",
     [] { return XlsxWithSheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>", "<si><t>x</t></si>"); },
     "xl/sharedStrings.xml", Declared(std::string("<sst xmlns=\"") + kSpreadsheetMl + "\">"), "<si/>", 800 << 20,
     nullptr},
};

class ClaimTest : public testing::TestWithParam<Claim> {};

TEST_P(ClaimTest, IsRefusedWithinBounds)
{
    const Claim& claim = GetParam();
    TempFolder folder;
    const std::string path = folder.File(claim.part == std::string("content.xml") ? "claim.ods" : "claim.xlsx");
    WriteZipWithInflatingPart(path, claim.others(), claim.part, claim.head, claim.filler, claim.inflated);
    const std::string report = Bounded([&] { return OpeningError(path); }, 256, 10);
    if (claim.refusal) {
        // The message up to its reason.
        const std::string_view pattern = claim.refusal;
        const std::string head = FormatMessage(pattern.substr(0, pattern.find("%s", pattern.find("%s") + 2)), {path});
        EXPECT_EQ(report.substr(0, head.size()), head) << report;
    } else {
        // Whichever limit comes first: the zip's or the read's.
        EXPECT_TRUE(RefusedAsDamagedOrTooLarge(report, path)) << report;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ClaimTest, testing::ValuesIn(kClaims),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Entity expansion: a billion laughs in any part that is parsed.

std::string Laughs(const std::string& root)
{
    std::string doctype = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    std::string previous = "lol";
    for (int i = 1; i <= 9; ++i) {
        const std::string name = "lol" + std::to_string(i);
        doctype += "<!ENTITY " + name + " \"";
        for (int k = 0; k < 10; ++k) doctype += "&" + previous + ";";
        doctype += "\">";
        previous = name;
    }
    return doctype + "]>" + root + "&" + previous + ";";
}

struct Expansion {
    const char* name;
    std::vector<BundlePart> parts;
    const char* part;
};

void PrintTo(const Expansion& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<BundlePart> WithPart(std::vector<BundlePart> parts, const std::string& name, const std::string& content)
{
    for (auto& part : parts)
        if (part.name == name) part.content = content;
    return parts;
}

const Expansion kExpansions[] = {
    {"XlsxSheet",
     WithPart(XlsxWithSheetData(""), "xl/worksheets/sheet1.xml",
              Laughs(std::string("<worksheet xmlns=\"") + kSpreadsheetMl
                     + "\"><sheetData><row r=\"1\"><c r=\"A1\" "
                       "t=\"inlineStr\"><is><t>")
                  + "</t></is></c></row></sheetData></worksheet>"),
     "xl/worksheets/sheet1.xml"},
    {"XlsxSharedStrings",
     WithPart(XlsxWithSheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>", "<si><t>x</t></si>"),
              "xl/sharedStrings.xml",
              Laughs(std::string("<sst xmlns=\"") + kSpreadsheetMl + "\"><si><t>") + "</t></si></sst>"),
     "xl/sharedStrings.xml"},
    {"XlsxWorkbook",
     WithPart(XlsxWithSheetData(""), "xl/workbook.xml",
              Laughs(std::string("<workbook xmlns=\"") + kSpreadsheetMl + "\"><sheets><sheet name=\"")
                  + "\" sheetId=\"1\"/></sheets></workbook>"),
     "xl/workbook.xml"},
    {"OdsContent",
     OdsWithContent(Laughs(std::string(kOdsRoot) + "<table:table><table:table-row><table:table-cell><text:p>")
                    + "</text:p></table:table-cell></table:table-row></table:table></office:spreadsheet>"
                      "</office:body></office:document-content>"),
     "content.xml"},
};

class EntityExpansionTest : public testing::TestWithParam<Expansion> {};

TEST_P(EntityExpansionTest, IsRefusedWithoutExpanding)
{
    TempFolder folder;
    const std::string path = folder.File("laughs.xlsx");
    WriteBundleZip(path, GetParam().parts);
    const std::string report = Bounded([&] { return OpeningError(path); }, 100, 10);
    EXPECT_EQ(report, Broken(path, FormatMessage(QRNConsts::sReasonXmlDoctype, {GetParam().part})));
}

INSTANTIATE_TEST_SUITE_P(Parts, EntityExpansionTest, testing::ValuesIn(kExpansions),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Large sheets.

// A price list of the rows, the article number in column 1.
RunInputs ArticleInputs(const std::string& workbook, const std::string& output,
                        const std::vector<std::string>& columnNames,
                        const std::vector<std::pair<const char*, std::string>>& mapping)
{
    RunInputs inputs = BookRunInputs(0, workbook, output);
    inputs.columnNames = columnNames;
    inputs.scheme.clear();
    for (const auto& [fieldID, column] : mapping)
        inputs.scheme.push_back(SchemeLineFor(FieldCaption(fieldID, TDocumentType::Books), column));
    return inputs;
}

std::size_t Occurrences(const std::string& text, const std::string& needle)
{
    std::size_t count = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++count;
    return count;
}

TEST(LargeSheet, AMillionRowsWithOnlyColumnOneConvertInBoundedMemory)
{
    constexpr int kRows = 1048576; // the most a worksheet holds
    TempFolder folder;
    const std::string workbook = folder.File("rows.xlsx");
    const std::string output = folder.File("rows.xml");
    std::string sheetData = "<row r=\"1\">" + InlineCell("A1", "Артикул") + "</row>";
    sheetData.reserve(40u * kRows);
    for (int row = 2; row <= kRows; ++row) {
        const std::string r = std::to_string(row);
        sheetData += "<row r=\"" + r + "\"><c r=\"A" + r + "\"><v>" + r + "</v></c></row>";
    }
    WriteBundleZip(workbook, XlsxWithSheetData(sheetData));
    sheetData = std::string();

    const std::string report = Bounded(
        [&] {
            RecordingObserver observer;
            const RunResult result = ConvertWorkbook(
                ArticleInputs(workbook, output, {"Артикул"}, {{"RecordReference", "Артикул"}}), observer);
            return std::to_string(result.errorCount) + " errors, " + (result.allSaved ? "saved" : "not saved");
        },
        250, 120);
    EXPECT_EQ(report, "0 errors, saved");
    const std::string message = ReadFileBytes(output);
    EXPECT_EQ(Occurrences(message, "<Product>"), 1048575u);
    const auto last = message.rfind("<Product>");
    ASSERT_NE(last, std::string::npos);
    const std::string lastProduct = "<Product><RecordReference>1048576</RecordReference>";
    EXPECT_EQ(message.substr(last, lastProduct.size()), lastProduct);
    EXPECT_NE(message.find("</Product></KALMIRAMessage>", last), std::string::npos);
}

TEST(LargeSheet, SixteenThousandColumnsInTheHeaderRow)
{
    constexpr int kColumns = 16384; // the most a worksheet holds
    TempFolder folder;
    const std::string workbook = folder.File("wide.xlsx");
    const std::string output = folder.File("wide.xml");
    std::string header;
    for (int column = 1; column <= kColumns; ++column)
        header += InlineCell(ColumnLetters(column) + "1", "Колонка " + std::to_string(column));
    const std::string row = InlineCell("A2", "Название книги") + InlineCell(ColumnLetters(kColumns) + "2", "A-1");
    WriteBundleZip(workbook, XlsxWithSheetData("<row r=\"1\">" + header + "</row><row r=\"2\">" + row + "</row>"));

    const std::string report = Bounded(
        [&] {
            const auto names = ReadWorkbookColumnNames(workbook, Regional::Russian());
            RecordingObserver observer;
            const RunResult result = ConvertWorkbook(
                ArticleInputs(workbook, output, names, {{"RecordReference", "колонка 16384"}, {"Title", "Колонка 1"}}),
                observer);
            return std::to_string(names.size()) + " names, last " + names.back() + ", "
                   + (result.allSaved ? "saved" : "not saved");
        },
        200, 20);
    EXPECT_EQ(report, "16384 names, last Колонка 16384, saved");
    const std::string message = Cp1251ToUtf8(ReadFileBytes(output));
    EXPECT_NE(message.find("<RecordReference>A-1</RecordReference>"), std::string::npos);
    EXPECT_NE(message.find("Название книги"), std::string::npos);
}

TEST(LargeSheet, AMegabyteCellIsCutForATitleAndKeptWholeForTheAnnotation)
{
    TempFolder folder;
    const std::string workbook = folder.File("long.xlsx");
    const std::string output = folder.File("long.xml");
    std::string text;
    while (text.size() < (1u << 20)) text += "Очень длинный текст аннотации. ";
    const std::string title = "Заглавие" + text;
    WriteBundleZip(workbook,
                   XlsxWithSheetData("<row r=\"1\">" + InlineCell("A1", "Артикул") + InlineCell("B1", "Название")
                                     + InlineCell("C1", "Аннотация") + "</row><row r=\"2\">" + InlineCell("A2", "A-1")
                                     + InlineCell("B2", title) + InlineCell("C2", text) + "</row>"));

    const std::string report = Bounded(
        [&] {
            RecordingObserver observer;
            const RunResult result = ConvertWorkbook(BookRunInputs(0, workbook, output), observer);
            std::string warned;
            for (const auto& warning : observer.warnings)
                warned += " " + warning.fieldID + "@" + std::to_string(warning.row);
            return std::string(result.allSaved ? "saved" : "not saved") + ", warned:" + warned;
        },
        200, 20);
    EXPECT_EQ(report, "saved, warned: Title@2");
    const std::string message = Cp1251ToUtf8(ReadFileBytes(output));
    EXPECT_NE(message.find(">" + Utf8Left(title, 250) + "<"), std::string::npos);
    EXPECT_NE(message.find(">" + text + "<"), std::string::npos);
}

// ---- Invalid UTF-8 in a string of the sheet: libxml2 stops at it, so the
// workbook is refused as damaged, naming the part; nothing half-read is
// converted.

struct BadText {
    const char* name;
    std::vector<BundlePart> parts;
    const char* part;
};

void PrintTo(const BadText& c, std::ostream* os)
{
    *os << c.name;
}

const BadText kBadTexts[] = {
    {"InlineString",
     XlsxWithSheetData("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>A\xC0\xFF\xFE</t></is></c></row>"),
     "xl/worksheets/sheet1.xml"},
    {"SharedString",
     XlsxWithSheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>",
                       "<si><t>\xED\xA0\x80 \xF8\x88\x80</t></si>"),
     "xl/sharedStrings.xml"},
    {"DeclaredEncoding",
     XlsxWithSheetPart(std::string("<?xml version=\"1.0\" encoding=\"windows-1251\"?><worksheet xmlns=\"")
                       + kSpreadsheetMl + "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>\xC0\x98"
                       + "</t></is></c></row></sheetData></worksheet>"),
     "xl/worksheets/sheet1.xml"},
};

class InvalidUtf8Test : public testing::TestWithParam<BadText> {};

TEST_P(InvalidUtf8Test, RefusesTheWorkbookNamingThePart)
{
    TempFolder folder;
    const std::string path = folder.File("bad.xlsx");
    WriteBundleZip(path, GetParam().parts);
    testing::internal::CaptureStderr();
    const std::string error = OpeningError(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    const std::string expected = Broken(path, "");
    EXPECT_EQ(error.substr(0, expected.size()), expected) << error;
    EXPECT_NE(error.find(GetParam().part), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Strings, InvalidUtf8Test, testing::ValuesIn(kBadTexts),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Scheme and settings files.

TEST(HugeScheme, AHundredMegabytesAreRefusedWithoutReadingThem)
{
    TempFolder folder;
    const std::string path = folder.File("huge.sch");
    {
        const std::string line = Utf8ToCp1251("Артикул = Колонка\r\n").value();
        std::string block;
        while (block.size() < (1u << 20)) block += line;
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 100; ++i) out << block;
    }
    const std::string report = Bounded(
        [&] {
            try {
                return std::to_string(ReadSchemeFile(path).size()) + " lines";
            } catch (const std::exception& error) {
                return UserMessage(error);
            }
        },
        50, 10);
    EXPECT_EQ(report, FormatMessage(QRNConsts::sSchemeFileTooLarge, {path, "1024"}));
}

TEST(HugeScheme, OneJustUnderTheLimitReadsWhole)
{
    TempFolder folder;
    const std::string path = folder.File("large.sch");
    const std::string line = Utf8ToCp1251("Артикул = Колонка\r\n").value();
    std::string bytes;
    while (bytes.size() + line.size() <= kMaxSchemeFileBytes) bytes += line;
    WriteFileBytes(path, bytes);
    EXPECT_EQ(ReadSchemeFile(path).size(), bytes.size() / line.size());
}

TEST(LongSettingsLine, AMegabyteValueReadsWholeAndSurvivesWritingAnotherKey)
{
    TempFolder folder;
    const std::string path = folder.File("quarnel.ini");
    const std::string value(1 << 20, 'W');
    WriteFileBytes(path, "[Params]\r\nFromCompany=" + value + "\r\n" + std::string(1 << 20, ';') + "\r\n");
    IniStore::SetIniFileName(path);
    const std::string report = Bounded(
        [&] {
            const bool before = IniStore::ReadStringParam(kFromCompany, "") == value;
            IniStore::WriteStringParam(kFromSAN, "7701234567");
            const bool after = IniStore::ReadStringParam(kFromCompany, "") == value;
            return std::string(before && after ? "kept" : "lost") + " " + IniStore::ReadStringParam(kFromSAN, "");
        },
        100, 10);
    IniStore::SetIniFileName("");
    EXPECT_EQ(report, "kept 7701234567");
}

} // namespace
