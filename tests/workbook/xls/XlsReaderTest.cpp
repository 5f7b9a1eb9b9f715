#include "BiffBuilder.h"

#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "workbook/SheetCells.h"
#include "../WarningListing.h"
#include "workbook/open/OpenWorkbook.h"
#include "workbook/xls/XlsReader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <memory>

namespace {

// Every non-empty cell as "row column text" lines, then the warnings.
std::string Listing(const Workbook& book)
{
    std::string out;
    for (int row = 1; row <= book.LastRow(); ++row)
        for (int column = 1; column <= book.LastColumn(row); ++column)
            if (const std::string text = book.CellText(row, column); !text.empty())
                out += std::to_string(row) + " " + std::to_string(column) + " " + text + "\n";
    return out + WarningListing(book.ReadingWarnings());
}

// The sheet of an xls (or, `old`, an Excel 2.x-4.0 file) held in memory.
std::unique_ptr<SheetCells> ReadHeld(const std::string& path, bool old = false)
{
    auto cells = std::make_unique<SheetCells>(Regional::Russian(), false);
    if (old) ReadOldXlsWorkbook(OpenWorkbookFile(path), *cells);
    else ReadXlsWorkbook(OpenWorkbookFile(path), *cells);
    cells->Finish();
    return cells;
}

std::string ReadListing(const std::string& path)
{
    return Listing(*ReadHeld(path));
}

// How reading failed, in the words of the corpus' .error files.
std::string Refusal(const std::string& path)
{
    try {
        ReadHeld(path);
    } catch (const WorkbookFault& fault) {
        switch (fault.kind) {
        case WorkbookFault::Kind::Encrypted: return "encrypted";
        case WorkbookFault::Kind::Broken: return "broken";
        case WorkbookFault::Kind::Unsupported: return "unsupported";
        default: return "other: " + WorkbookFaultMessage(fault);
        }
    }
    return "read";
}

std::uint32_t TopBitsRk(double value, bool times100)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return static_cast<std::uint32_t>(bits >> 32) | (times100 ? 1u : 0u);
}

std::uint32_t IntegerRk(std::int32_t value, bool times100)
{
    return static_cast<std::uint32_t>(value) << 2 | 2u | (times100 ? 1u : 0u);
}

Record Sst(std::uint32_t unique, const std::string& strings)
{
    return {0x00FC, Body().U32(unique).U32(unique).Raw(strings)};
}

// A BIFF8 string header: count, option flags, and the run and phonetic sizes
// the flags announce.
std::string Header(std::uint16_t count, std::uint8_t flags, std::uint16_t runs = 0, std::uint32_t phonetic = 0)
{
    Body body;
    body.U16(count).U8(flags);
    if (flags & 0x08) body.U16(runs);
    if (flags & 0x04) body.U32(phonetic);
    return body;
}

std::string Compressed(const std::string& latin)
{
    return latin;
}

std::string Wide(const std::string& text)
{
    return Body().Utf16(text);
}

std::vector<Record> LabelsFor(int count)
{
    std::vector<Record> labels;
    for (int i = 0; i < count; ++i) labels.push_back(Rec::LabelSst(static_cast<std::uint16_t>(i), 0, i));
    return labels;
}

struct Case {
    const char* name;
    Biff version;
    std::vector<Record> globals;
    std::vector<Record> sheet;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const Case& c)
{
    return out << c.name;
}

class XlsCells : public testing::TestWithParam<Case> {
protected:
    TempFolder folder_;
};

TEST_P(XlsCells, ReadsTheFirstSheet)
{
    const Case& c = GetParam();
    const std::string path = folder_.File("book.xls");
    WriteOleFile(path,
                 {{c.version == Biff::V8 ? "Workbook" : "Book", WorkbookStream(c.version, c.globals, {{c.sheet}})}});
    EXPECT_EQ(ReadListing(path), c.expected);
}

// Shared strings, also split over CONTINUE records in every place a writer
// may split them.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SharedStrings, XlsCells,
    testing::Values(
        Case{"PlainTable", Biff::V8,
             {Sst(3, Body().Biff8String("Цена").Biff8String("").Biff8String("Grüße 😀"))},
             LabelsFor(3), "1 1 Цена\n3 1 Grüße 😀\n"},
        Case{"SplitCompressedThenWide", Biff::V8,
             {Sst(2, Header(6, 0) + Compressed("ABC")), Rec::Continue(Body().U8(1).Utf16("абв").Biff8String("end"))},
             LabelsFor(2), "1 1 ABCабв\n2 1 end\n"},
        Case{"SplitWideThenCompressed", Biff::V8,
             {Sst(2, Header(4, 1) + Wide("жж")), Rec::Continue(Body().U8(0).Raw("zz").Biff8String("end"))},
             LabelsFor(2), "1 1 жжzz\n2 1 end\n"},
        Case{"SplitTwice", Biff::V8,
             {Sst(1, Header(5, 0) + Compressed("a")), Rec::Continue(Body().U8(1).Utf16("бв")),
              Rec::Continue(Body().U8(0).Raw("gd"))},
             LabelsFor(1), "1 1 aбвgd\n"},
        Case{"SplitRightAfterTheHeader", Biff::V8,
             {Sst(1, Header(3, 0)), Rec::Continue(Body().U8(1).Utf16("ёлк"))}, LabelsFor(1), "1 1 ёлк\n"},
        Case{"SurrogatePairSplit", Biff::V8,
             {Sst(1, Header(3, 1) + Wide("a") + Body().U16(0xD83D).operator const std::string&()),
              Rec::Continue(Body().U8(1).U16(0xDE00))},
             LabelsFor(1), "1 1 a😀\n"},
        Case{"NextStringStartsAContinuation", Biff::V8,
             {Sst(2, Body().Biff8String("first")), Rec::Continue(Body().Biff8String("второй"))}, LabelsFor(2),
             "1 1 first\n2 1 второй\n"},
        Case{"RichRunsAndPhoneticSkipped", Biff::V8,
             {Sst(2, Header(5, 0x0C, 2, 6) + "Hello" + std::string(8, '\x01') + std::string(6, '\x02')
                         + Body().Biff8String("next").operator const std::string&())},
             LabelsFor(2), "1 1 Hello\n2 1 next\n"},
        Case{"RunsSplitWithoutAnOptionByte", Biff::V8,
             {Sst(2, Header(2, 0x08, 2) + "Hi" + std::string(3, '\x01')),
              Rec::Continue(std::string(5, '\x01') + Body().Biff8String("next").operator const std::string&())},
             LabelsFor(2), "1 1 Hi\n2 1 next\n"},
        Case{"CharactersSplitThenRunsAndPhonetic", Biff::V8,
             {Sst(2, Header(4, 0x0D, 1, 3) + Wide("ab")),
              Rec::Continue(Body().U8(0).Raw("cd").Raw(std::string(4, '\x01')).Raw("\x02\x02")),
              Rec::Continue(Body().U8(2).Biff8String("next"))},
             LabelsFor(2), "1 1 abcd\n2 1 next\n"},
        Case{"CountOverstated", Biff::V8, {Sst(5, Body().Biff8String("one").Biff8String("two"))}, LabelsFor(2),
             "1 1 one\n2 1 two\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// 8-bit texts of BIFF5, in the code page the workbook names.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Biff5Texts, XlsCells,
    testing::Values(
        Case{"CodePage1251", Biff::V5, {Rec::CodePage(1251)},
             {{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("\xCF\xF0\xE8\xE2\xE5\xF2")}}, "1 1 Привет\n"},
        Case{"CodePage1252", Biff::V5, {Rec::CodePage(1252)},
             {{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("caf\xE9")}}, "1 1 café\n"},
        Case{"CodePageMacRoman", Biff::V5, {Rec::CodePage(10000)},
             {{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("caf\x8E")}}, "1 1 café\n"},
        Case{"CodePageWinsOverFonts", Biff::V5, {Rec::CodePage(1251), Rec::Font(0)},
             {{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("\xDF")}}, "1 1 Я\n"},
        Case{"FontCharsetWithoutCodePage", Biff::V5, {Rec::Font(204), Rec::Font(0)},
             {{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("\xDF")}}, "1 1 Я\n"},
        Case{"WesternFontWithoutCodePage", Biff::V5, {Rec::Font(0)},
             {{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("\xDF")}}, "1 1 ß\n"},
        Case{"NeitherCodePageNorFontCharset", Biff::V5, {Rec::Font(1)},
             {{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("\xDF")}}, "1 1 Я\n"},
        Case{"RichStringRunsIgnored", Biff::V5, {Rec::CodePage(1251)},
             {{0x00D6, Body().U16(1).U16(2).U16(0).Biff5String("\xCA\xED\xE8\xE3\xE0").U8(1).U8(0).U8(1)}},
             "2 3 Книга\n"},
        Case{"FormulaString", Biff::V5, {Rec::CodePage(1251)},
             {Rec::FormulaResult(0, 0, 0), {0x0207, Body().Biff5String("\xC8\xF2\xEE\xE3")}}, "1 1 Итог\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

Record WithId(Record record, std::uint16_t id)
{
    record.id = id;
    return record;
}

// Damage inside an intact container: a record is read as far as it goes or
// skipped, the cells around it stay, as spreadsheet applications show them.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DamagedRecords, XlsCells,
    testing::Values(
        Case{"NumberRecordTooShort", Biff::V8, {},
             {Rec::Label8(0, 0, "before"), {0x0203, Body().U16(1).U16(0).U16(0).U32(0)}, Rec::Label8(2, 0, "after")},
             "1 1 before\n3 1 after\n"},
        Case{"SharedStringLongerThanItsRecord", Biff::V8, {Sst(2, Body().Biff8String("ok").Raw(Header(10, 0) + "abc"))},
             LabelsFor(2), "1 1 ok\n2 1 abc\n! 4 1\n"},
        Case{"LabelLongerThanItsRecord", Biff::V8, {},
             {{0x0204, Body().U16(0).U16(1).U16(0).Raw(Header(10, 0) + "abc")}, Rec::Label8(1, 0, "after")},
             "1 2 abc\n2 1 after\n! 3 B1\n"},
        Case{"HalfAWideCharacter", Biff::V8, {Sst(2, Body().Biff8String("ok").Raw(Header(2, 1) + "a"))}, LabelsFor(1),
             "1 1 ok\n! 4 1\n"},
        Case{"ContinueWithoutBytes", Biff::V8, {Sst(1, Header(5, 0) + "ab"), Rec::Continue(""),
                                                 Rec::Continue(Body().U8(0).Raw("cde"))},
             LabelsFor(1), "1 1 abcde\n"},
        Case{"WideStringOverAnEmptyAndAnOptionByteContinue", Biff::V8,
             {Sst(2, Header(5, 1) + Wide("аб")), Rec::Continue(""), Rec::Continue(Body().U8(1)),
              Rec::Continue(Body().U8(0).Raw("cde").Biff8String("end"))},
             LabelsFor(2), "1 1 абcde\n2 1 end\n"},
        Case{"HalfAWideCharacterBeforeAContinue", Biff::V8,
             {Sst(3, Header(3, 1) + Wide("a") + "b"), Rec::Continue(""),
              Rec::Continue(Body().U8(1).Utf16("c").Biff8String("next"))},
             LabelsFor(2), "1 1 ac\n2 1 next\n! 4 0\n"},
        Case{"SharedStringCutInItsCount", Biff::V8, {Sst(2, Body().Biff8String("ok").U8(5))}, LabelsFor(2),
             "1 1 ok\n! 4 1\n"},
        Case{"SharedStringCountZero", Biff::V8, {Sst(0, Body().Biff8String("a").Biff8String("b"))}, LabelsFor(2),
             "1 1 a\n2 1 b\n"},
        Case{"FormulaUnderAnOlderNumber", Biff::V8, {},
             {WithId(Rec::FormulaNumber(0, 0, 2.5), 0x0406), WithId(Rec::FormulaNumber(1, 0, 3), 0x0206)},
             "1 1 2,5\n2 1 3\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(XlsDamagedStream, KeepsTheCellsBeforeTheCut)
{
    TempFolder folder;
    const std::string path = folder.File("book.xls");
    const std::string good = WorkbookStream(Biff::V8, {}, {{{Rec::Label8(0, 0, "one"), Rec::Label8(1, 0, "two")}}});
    // Without the sheet's EOF, inside that EOF's header, inside the last cell.
    const std::pair<std::size_t, const char*> cuts[] = {
        {4, "1 1 one\n2 1 two\n"}, {2, "1 1 one\n2 1 two\n"}, {7, "1 1 one\n! 3 A2\n"}};
    for (const auto& [cut, expected] : cuts) {
        WriteOleFile(path, {{"Workbook", good.substr(0, good.size() - cut)}});
        EXPECT_EQ(ReadListing(path), expected) << cut << " bytes cut";
    }
}

// Excel 2.x-4.0 files: a bare stream, the same cell texts.
struct OldCase {
    const char* name;
    std::vector<Record> records;
    std::string expected;
};

void PrintTo(const OldCase& c, std::ostream* os)
{
    *os << c.name;
}

class OldXlsCells : public testing::TestWithParam<OldCase> {};

TEST_P(OldXlsCells, ReadsTheFirstSheet)
{
    TempFolder folder;
    const std::string path = folder.File("book.xls");
    WriteFileBytes(path, RecordBytes(GetParam().records));
    EXPECT_EQ(Listing(*ReadHeld(path, true)), GetParam().expected);
}

Record OldFormat(const std::string& code)
{
    return {0x001E, Body().U8(static_cast<std::uint8_t>(code.size())).Raw(code)};
}

// A BIFF2 cell's head: row, column, and attributes naming number format `format`.
Body Biff2Cell(std::uint16_t row, std::uint16_t column, std::uint8_t format = 0)
{
    return std::move(Body().U16(row).U16(column).U8(0).U8(format).U8(0));
}

const Record kEof{0x000A, {}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Old, OldXlsCells,
    testing::Values(
        OldCase{"Biff2",
                {{0x0009, Body().U16(2).U16(0x10)}, Rec::CodePage(1251), Rec::DateMode1904(), OldFormat("General"),
                 OldFormat("dd.mm.yyyy"),
                 {0x0002, Biff2Cell(0, 0).U16(7)},
                 {0x0003, Biff2Cell(0, 1, 1).F64(0)},
                 {0x0004, Biff2Cell(1, 0).U8(4).Raw("\xCA\xED\xE8\xE3")},
                 {0x0006, Biff2Cell(1, 1).F64(1.5).U8(0).U8(0)},
                 {0x0006, Biff2Cell(1, 2).U16(0).U16(0).U16(0).U16(0xFFFF).U8(0).U8(0)},
                 {0x0007, Body().U8(3).Raw("\xC8\xF2\xE3")},
                 kEof},
                "1 1 7\n1 2 01.01.1904\n2 1 Книг\n2 2 1,5\n2 3 Итг\n"},
        OldCase{"Biff3",
                {{0x0209, Body().U16(0).U16(0x10).U16(0)}, OldFormat("General"), OldFormat("d/m/yyyy"),
                 {0x0243, Body().U8(0).U8(0).Raw(std::string(10, '\0'))},
                 {0x0243, Body().U8(0).U8(1).Raw(std::string(10, '\0'))},
                 Rec::Number(0, 0, 45000, 1), Rec::Rk(0, 1, IntegerRk(12, false)),
                 {0x0204, Body().U16(1).U16(0).U16(0).Biff5String("\xDF")},
                 WithId(Rec::FormulaResult(1, 1, 1, 1), 0x0206), kEof},
                "1 1 15.03.2023\n1 2 12\n2 1 Я\n2 2 True\n"},
        OldCase{"Biff4WorkbookReadsItsFirstSheet",
                {{0x0409, Body().U16(0).U16(0x100).U16(0)}, {0x008E, Body().U32(26).U8(0).U8(0).U8(1).Raw("A")},
                 kEof,
                 {0x0409, Body().U16(0).U16(0x10).U16(0)},
                 {0x041E, Body().U16(164).U8(7).Raw("General")},
                 {0x041E, Body().U16(0).U8(10).Raw("yyyy-mm-dd")},
                 {0x0443, Body().U8(0).U8(1).Raw(std::string(10, '\0'))},
                 Rec::Number(0, 0, 45000, 0), kEof,
                 {0x0409, Body().U16(0).U16(0x10).U16(0)}, Rec::Label8(0, 0, "second"), kEof},
                "1 1 15.03.2023\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Numbers, booleans, errors and cached formula results.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Values, XlsCells,
    testing::Values(
        Case{"RkInteger", Biff::V8, {}, {Rec::Rk(0, 0, IntegerRk(123, false))}, "1 1 123\n"},
        Case{"RkNegativeInteger", Biff::V8, {}, {Rec::Rk(0, 0, IntegerRk(-5, false))}, "1 1 -5\n"},
        Case{"RkIntegerHundredths", Biff::V8, {}, {Rec::Rk(0, 0, IntegerRk(1234, true))}, "1 1 12,34\n"},
        Case{"RkFloat", Biff::V8, {}, {Rec::Rk(0, 0, TopBitsRk(1.5, false))}, "1 1 1,5\n"},
        Case{"RkFloatHundredths", Biff::V8, {}, {Rec::Rk(0, 0, TopBitsRk(1234.5, true))}, "1 1 12,345\n"},
        Case{"MulRk", Biff::V8, {},
             {{0x00BD, Body()
                           .U16(4).U16(1)
                           .U16(0).U32(IntegerRk(7, false))
                           .U16(0).U32(TopBitsRk(-0.5, false))
                           .U16(0).U32(IntegerRk(99, true))
                           .U16(3)}},
             "5 2 7\n5 3 -0,5\n5 4 0,99\n"},
        Case{"Number", Biff::V8, {}, {Rec::Number(0, 0, 0.1), Rec::Number(0, 1, 1e15), Rec::Number(0, 2, -12.34)},
             "1 1 0,1\n1 2 1E15\n1 3 -12,34\n"},
        Case{"NumberNaN", Biff::V8, {}, {Rec::Number(0, 0, std::numeric_limits<double>::quiet_NaN())}, "1 1 #NUM!\n"},
        Case{"BoolErr", Biff::V8, {},
             {{0x0205, Body().U16(0).U16(0).U16(0).U8(1).U8(0)},
              {0x0205, Body().U16(0).U16(1).U16(0).U8(0).U8(0)},
              {0x0205, Body().U16(0).U16(2).U16(0).U8(0x07).U8(1)},
              {0x0205, Body().U16(0).U16(3).U16(0).U8(0x2A).U8(1)},
              {0x0205, Body().U16(0).U16(4).U16(0).U8(0x00).U8(1)},
              {0x0205, Body().U16(0).U16(5).U16(0).U8(0x1D).U8(1)}},
             "1 1 True\n1 2 False\n1 3 #DIV/0!\n1 4 #N/A\n1 5 #NULL!\n1 6 #NAME?\n"},
        Case{"FormulaCachedValues", Biff::V8, {},
             {Rec::FormulaNumber(0, 0, 42.5), Rec::FormulaResult(0, 1, 1, 1), Rec::FormulaResult(0, 2, 1, 0),
              Rec::FormulaResult(0, 3, 2, 0x17), Rec::FormulaResult(0, 4, 2, 0x24), Rec::FormulaResult(0, 5, 3)},
             "1 1 42,5\n1 2 True\n1 3 False\n1 4 #REF!\n1 5 #NUM!\n"},
        Case{"FormulaStringAfterSharedFormula", Biff::V8, {},
             {Rec::FormulaResult(2, 1, 0), {0x04BC, Body().U16(2).U16(2).U8(1).U8(1).U16(0).U16(0)},
              {0x0207, Body().Biff8String("итог")}},
             "3 2 итог\n"},
        Case{"FormulaStringContinued", Biff::V8, {},
             {Rec::FormulaResult(0, 0, 0), {0x0207, Header(6, 0) + "abc"}, Rec::Continue(Body().U8(1).Utf16("где"))},
             "1 1 abcгде\n"},
        Case{"FormulaStringBelongsOnlyToItsFormula", Biff::V8, {},
             {Rec::FormulaResult(0, 0, 0), Rec::Number(0, 1, 3), {0x0207, Body().Biff8String("stray")}},
             "1 2 3\n"},
        Case{"EmptyFormulaStringIsNoCell", Biff::V8, {},
             {Rec::Label8(0, 0, "keep"), Rec::FormulaResult(1, 0, 0), {0x0207, Body().Biff8String("")}},
             "1 1 keep\n"},
        Case{"Label", Biff::V8, {}, {Rec::Label8(65535, 255, "  край\tлиста\r\n")}, "65536 256   край\tлиста\r\n\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

const std::vector<Record> kDateGlobals{
    Rec::Biff8Format(164, "dd/mm/yyyy hh:mm"),
    Rec::Biff8Format(165, "[h]:mm"),
    Rec::Biff8Format(166, "\"day\" 0.00"),
    Rec::Biff8Format(14, "General"),
    Rec::Xf(Biff::V8, 0),
    Rec::Xf(Biff::V8, 14),
    Rec::Xf(Biff::V8, 164),
    Rec::Xf(Biff::V8, 20),
    Rec::Xf(Biff::V8, 166),
    Rec::Xf(Biff::V8, 165),
};

std::vector<Record> With1904(std::vector<Record> records)
{
    records.insert(records.begin(), Rec::DateMode1904());
    return records;
}

constexpr double k5March2024 = 45356;
constexpr double kHalfPast2 = 14.5 / 24;

// Numbers shown through a date or time format.
INSTANTIATE_TEST_SUITE_P(
    Dates, XlsCells,
    testing::Values(
        Case{"BuiltinDate",
             Biff::V8,
             kDateGlobals,
             {Rec::Number(0, 0, k5March2024, 1), Rec::Number(1, 0, k5March2024 + kHalfPast2, 1),
              Rec::Rk(2, 0, IntegerRk(45356, false), 1)},
             "1 1 05.03.2024\n2 1 05.03.2024 14:30:00\n3 1 05.03.2024\n"},
        Case{"CustomDateFormat",
             Biff::V8,
             kDateGlobals,
             {Rec::Number(0, 0, k5March2024 + kHalfPast2, 2), Rec::Number(1, 0, 45356.57903356481, 2)},
             "1 1 05.03.2024 14:30:00\n2 1 05.03.2024 13:53:48\n"},
        Case{"TimeFormats",
             Biff::V8,
             kDateGlobals,
             {Rec::Number(0, 0, 0.5, 3), Rec::Number(0, 1, 0.75, 5)},
             "1 1 12:00:00\n1 2 18:00:00\n"},
        Case{"NotDates",
             Biff::V8,
             kDateGlobals,
             {Rec::Number(0, 0, k5March2024, 0), Rec::Number(0, 1, k5March2024, 4), Rec::Number(0, 2, k5March2024, 99)},
             "1 1 45356\n1 2 45356\n1 3 45356\n"},
        Case{"DateMode1904",
             Biff::V8,
             With1904(kDateGlobals),
             {Rec::Number(0, 0, 0, 1), Rec::Number(1, 0, k5March2024 - 1462, 1), Rec::Number(2, 0, 0.25, 3)},
             "1 1 01.01.1904\n2 1 05.03.2024\n3 1 06:00:00\n"},
        Case{"Biff5Format",
             Biff::V5,
             {{0x041E, Body().U16(164).U8(8).Raw("DD.MM.YY")}, Rec::Xf(Biff::V5, 0), Rec::Xf(Biff::V5, 164)},
             {Rec::Number(0, 0, k5March2024, 1)},
             "1 1 05.03.2024\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class XlsWorkbook : public testing::Test {
protected:
    std::string Write(const std::vector<std::pair<std::string, std::string>>& streams)
    {
        const std::string path = folder_.File("book.xls");
        WriteOleFile(path, streams);
        return path;
    }

    TempFolder folder_;
};

TEST_F(XlsWorkbook, ReadsTheFirstSheetAlsoWhenHidden)
{
    SheetSpec hidden{{Rec::Label8(0, 0, "hidden")}};
    hidden.visibility = 1;
    const SheetSpec visible{{Rec::Label8(0, 0, "visible")}};
    EXPECT_EQ(ReadListing(Write({{"Workbook", WorkbookStream(Biff::V8, {}, {hidden, visible})}})), "1 1 hidden\n");
}

TEST_F(XlsWorkbook, SkipsEmbeddedChartSubstreams)
{
    const Record chartBof{0x0809, Body().U16(0x0600).U16(0x0020).U32(0).U32(0).U32(0)};
    const SheetSpec sheet{
        {Rec::Label8(0, 0, "before"), chartBof, Rec::Number(5, 5, 1), {0x000A, {}}, Rec::Label8(1, 0, "after")}};
    EXPECT_EQ(ReadListing(Write({{"Workbook", WorkbookStream(Biff::V8, {}, {sheet})}})), "1 1 before\n2 1 after\n");
}

TEST_F(XlsWorkbook, FindsTheWorkbookStreamByName)
{
    const std::string biff8 = WorkbookStream(Biff::V8, {}, {{{Rec::Label8(0, 0, "BIFF8")}}});
    const std::string biff5 =
        WorkbookStream(Biff::V5, {}, {{{{0x0204, Body().U16(0).U16(0).U16(0).Biff5String("BIFF5")}}}});
    EXPECT_EQ(ReadListing(Write({{"Book", biff5}, {"Workbook", biff8}})), "1 1 BIFF8\n");
    EXPECT_EQ(ReadListing(Write({{"\x05SummaryInformation", "x"}, {"Book", biff5}})), "1 1 BIFF5\n");
    EXPECT_EQ(ReadListing(Write({{"WORKBOOK", biff8}})), "1 1 BIFF8\n");
}

TEST_F(XlsWorkbook, LaterRecordOfACellWins)
{
    const SheetSpec sheet{
        {Rec::Number(0, 0, 1), Rec::Label8(0, 0, "text"), Rec::Number(0, 1, 2), Rec::FormulaResult(0, 1, 1, 1)}};
    EXPECT_EQ(ReadListing(Write({{"Workbook", WorkbookStream(Biff::V8, {}, {sheet})}})),
              "1 1 text\n1 2 True\n! 5 A1\n! 5 B1\n");
}

TEST_F(XlsWorkbook, GivesTheSheetTopItsMergedRangesAndHiddenColumns)
{
    const Record widths{0x007D, Body().U16(0).U16(2).U16(2000).U16(15).U16(0).U16(0)};
    const Record hidden{0x007D, Body().U16(3).U16(4).U16(2000).U16(15).U16(1).U16(0)};
    // The last two run past the sheet's 256 columns, the last wholly.
    // clang-format off
    const Record merged{0x00E5, Body().U16(4)
                                    .U16(0).U16(0).U16(1).U16(2)
                                    .U16(6).U16(6).U16(0).U16(1)
                                    .U16(1).U16(1).U16(3).U16(299)
                                    .U16(0).U16(1).U16(256).U16(300)};
    // clang-format on
    const SheetSpec sheet{{widths, hidden, Rec::Label8(0, 1, "Цена"), merged}};
    const SheetTop top =
        ReadSheetTop(Write({{"Workbook", WorkbookStream(Biff::V8, {}, {sheet})}}), Regional::Russian(), {}, 1, 2);
    EXPECT_EQ(top.merged, std::vector<CellRange>({{1, 2, 1, 3}, {2, 4, 2, 256}}));
    EXPECT_EQ(top.hiddenColumns, std::vector<bool>({false, false, false, true, true}));
}

TEST_F(XlsWorkbook, OpensAContainerThatMiscountsItsMiniFatSectors)
{
    const std::string path = Write({{"Workbook", WorkbookStream(Biff::V8, {}, {{{Rec::Label8(0, 0, "mini")}}})}});
    std::string bytes = ReadFileBytes(path);
    // Where the header counts mini FAT sectors, the count of mini sectors.
    bytes.replace(0x40, 4, Body().U32(17));
    WriteFileBytes(path, bytes);
    EXPECT_EQ(ReadListing(path), "1 1 mini\n");
}

struct RefusalCase {
    const char* name;
    std::function<void(const std::string& path)> write;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c)
{
    return out << c.name;
}

class XlsRefusal : public testing::TestWithParam<RefusalCase> {
protected:
    TempFolder folder_;
};

TEST_P(XlsRefusal, FailsWithTheRightError)
{
    const std::string path = folder_.File("book.xls");
    GetParam().write(path);
    EXPECT_EQ(Refusal(path), GetParam().expected);
}

auto Ole(const std::vector<std::pair<std::string, std::string>>& streams)
{
    return [streams](const std::string& path) { WriteOleFile(path, streams); };
}

auto Book(const std::string& stream)
{
    return Ole({{"Workbook", stream}});
}

std::string Sheet(const std::vector<Record>& records, const std::vector<Record>& globals = {})
{
    return WorkbookStream(Biff::V8, globals, {{records}});
}

SheetSpec Kind(std::uint8_t boundSheetType, std::uint16_t substreamType)
{
    SheetSpec sheet{{Rec::Label8(0, 0, "x")}};
    sheet.boundSheetType = boundSheetType;
    sheet.substreamType = substreamType;
    return sheet;
}

// The stream with the first sheet's BOUNDSHEET offset replaced.
std::string WithSheetOffset(std::uint32_t offset)
{
    const std::string stream = Sheet({Rec::Label8(0, 0, "x")});
    // BOUNDSHEET of "Sheet1": offset, visibility, type, a compressed name.
    const std::string boundSheetHeader = Body().U16(0x0085).U16(14);
    const std::size_t at = stream.find(boundSheetHeader);
    if (at == std::string::npos) throw std::logic_error("no BOUNDSHEET");
    std::string patched = stream;
    patched.replace(at + 4, 4, Body().U32(offset));
    return patched;
}

const std::string kGood = Sheet({Rec::Label8(0, 0, "one"), Rec::Label8(1, 0, "two")});

INSTANTIATE_TEST_SUITE_P(
    Cases, XlsRefusal,
    testing::Values(
        RefusalCase{"FilePass", Book(Sheet({}, {{0x002F, Body().U16(0).U16(0x1234).U16(0x5678)}, {0x00FC, "junk"}})),
                    "encrypted"},
        RefusalCase{"EncryptedOoxmlPackage", Ole({{"EncryptionInfo", "info"}, {"EncryptedPackage", "data"}}),
                    "encrypted"},
        RefusalCase{"NoWorkbookStream", Ole({{"WordDocument", "text"}}), "unsupported"},
        RefusalCase{"ChartSheetFirst", Book(WorkbookStream(Biff::V8, {}, {Kind(2, 0x0020), Kind(0, 0x0010)})),
                    "unsupported"},
        RefusalCase{"ChartSubstreamFirst", Book(WorkbookStream(Biff::V8, {}, {Kind(0, 0x0020)})), "unsupported"},
        RefusalCase{"MacroSheetFirst", Book(WorkbookStream(Biff::V8, {}, {Kind(1, 0x0040)})), "unsupported"},
        RefusalCase{"DialogSheetFirst", Book(Sheet({{0x0081, Body().U16(0x0411)}, Rec::Label8(0, 0, "x")})),
                    "unsupported"},
        RefusalCase{"EmptyStream", Book(""), "broken"},
        RefusalCase{"NotABof", Book(RecordBytes({{0x0203, std::string(14, '\0')}, {0x000A, {}}})), "broken"},
        RefusalCase{"GlobalsWithoutEof", Book(RecordBytes({{0x0809, Body().U16(0x0600).U16(5)}})), "broken"},
        RefusalCase{"NoSheets", Book(RecordBytes({{0x0809, Body().U16(0x0600).U16(5)}, {0x000A, {}}})), "broken"},
        RefusalCase{"SheetOffsetBeyondStream", Book(WithSheetOffset(0x7FFFFFF0)), "broken"},
        RefusalCase{"SheetOffsetAtGlobals", Book(WithSheetOffset(0)), "broken"},
        RefusalCase{"SheetOffsetInsideARecord", Book(WithSheetOffset(5)), "broken"},
        RefusalCase{"SharedStringPastTheTable",
                    Book(Sheet({Rec::LabelSst(0, 0, 1)}, {Sst(1, Body().Biff8String("one"))})), "broken"},
        RefusalCase{"ColumnBeyondSheet", Book(Sheet({Rec::Label8(0, 256, "x")})), "broken"},
        RefusalCase{"MulRkRunningOffTheSheet",
                    Book(Sheet({{0x00BD, Body().U16(0).U16(255).U16(0).U32(2).U16(0).U32(6).U16(256)}})), "broken"},
        RefusalCase{"NotAnOleFile", [](const std::string& path) { WriteFileBytes(path, std::string(4096, 'x')); },
                    "broken"},
        RefusalCase{"WorkbookStreamClaimsMoreThanTheFile",
                    [](const std::string& path) {
                        WriteOleFile(path, {{"Workbook", kGood}});
                        std::string bytes = ReadFileBytes(path);
                        const std::size_t entry = bytes.find(Body().Utf16("Workbook").operator const std::string&());
                        bytes.replace(entry + 120, 4, Body().U32(0x7FFFFFF0));
                        WriteFileBytes(path, bytes);
                    },
                    "broken"},
        RefusalCase{"TruncatedOleFile",
                    [](const std::string& path) {
                        WriteOleFile(path, {{"Workbook", kGood + std::string(8192, '\0')}});
                        const std::string bytes = ReadFileBytes(path);
                        WriteFileBytes(path, bytes.substr(0, bytes.size() / 2));
                    },
                    "broken"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
