#include "workbook/xls/XlsWorksheet.h"

#include "workbook/CellReference.h"

#include "workbook/xls/BiffCursor.h"
#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/BiffText.h"
#include "workbook/xls/BiffRecordOverrun.h"

#include <cstring>
#include <optional>

namespace {

constexpr int kColumnCount = 256;
constexpr int kBiff8RowCount = 65536;
constexpr int kOldRowCount = 16384;              // Excel 2.x-95
constexpr std::uint8_t kDialogSheet = 0x10;      // in the first byte of WSBOOL
constexpr std::uint16_t kHiddenColumns = 0x0001; // in COLINFO's options
constexpr std::size_t kMulRkFixedSize = 6;       // row, first column, last column
constexpr std::size_t kMulRkCellSize = 6;        // XF index and RK value

[[noreturn]] void Refuse(ReadReason reason)
{
    ThrowUnsupported(reason);
}

void CheckBoundSheetType(std::uint8_t type)
{
    switch (type) {
    case BoundSheetType::Chart: Refuse(ReadReason::FirstSheetNotCells);
    case BoundSheetType::MacroSheet:
    case BoundSheetType::VbaModule: Refuse(ReadReason::FirstSheetMacros);
    default: break;
    }
}

void CheckSubstreamType(const BiffRecord& bof, std::string_view stream)
{
    if (!IsBof(bof.id)) ThrowBroken(ReadReason::SheetNotFound);
    BiffCursor cursor(stream, bof);
    cursor.Skip(2); // version, already known from the globals
    switch (cursor.U16()) {
    case BiffSubstream::Worksheet: return;
    case BiffSubstream::Chart: Refuse(ReadReason::FirstSheetNotCells);
    case BiffSubstream::MacroSheet:
    case BiffSubstream::VbaModule: Refuse(ReadReason::FirstSheetMacros);
    default: ThrowBroken(ReadReason::SheetNotFound);
    }
}

// An RK value: the top 30 bits of a double or a 30-bit integer, possibly to
// be divided by 100.
double RkValue(std::uint32_t rk)
{
    double value;
    if (rk & 0x02) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100 : value;
}

std::string_view BooleanText(bool value)
{
    return value ? "True" : "False";
}

std::string_view ErrorText(std::uint8_t code)
{
    switch (code) {
    case 0x00: return "#NULL!";
    case 0x07: return "#DIV/0!";
    case 0x0F: return "#VALUE!";
    case 0x17: return "#REF!";
    case 0x1D: return "#NAME?";
    case 0x24: return "#NUM!";
    case 0x2B: return "#GETTING_DATA";
    default: return "#N/A";
    }
}

class WorksheetReader {
public:
    WorksheetReader(std::string_view stream, const XlsGlobals& globals, CellSink& sheet)
        : stream_(stream), globals_(globals), sheet_(sheet)
    {
    }

    // A record that runs past its end is read as far as it goes: the cells
    // it gave before are kept, the one it was reading is left out.
    void Read(const BiffRecord& record)
    {
        try {
            ReadRecord(record);
        } catch (const BiffRecordOverrun&) {
            pendingString_.reset();
        }
    }

private:
    void ReadRecord(const BiffRecord& record)
    {
        BiffCursor cursor(stream_, record);
        if (record.id == BiffId::String || record.id == BiffId::Biff2String) {
            ReadFormulaString(cursor, record.id == BiffId::Biff2String);
            return;
        }
        // A string result is only in the STRING record right after its
        // formula (shared-formula and array records may come between).
        if (IsCellRecord(record.id)) pendingString_.reset();
        switch (record.id) {
        case BiffId::MergedCells: ReadMergedCells(cursor); break;
        case BiffId::ColInfo: ReadColumnInfo(cursor); break;
        case BiffId::WsBool:
            if (cursor.U8() & kDialogSheet) Refuse(ReadReason::FirstSheetNotCells);
            break;
        case BiffId::Number: {
            const Cell cell = ReadCell(cursor);
            SetNumber(cell, cursor.F64());
            break;
        }
        case BiffId::Rk: {
            const Cell cell = ReadCell(cursor);
            SetNumber(cell, RkValue(cursor.U32()));
            break;
        }
        case BiffId::MulRk: ReadMulRk(cursor, record.body.size()); break;
        case BiffId::LabelSst: {
            const Cell cell = ReadCell(cursor);
            const std::uint32_t index = cursor.U32();
            // The table is whole before the cells: a string past it is damage,
            // as in an xlsx, never an empty cell.
            if (index >= sheet_.SharedStringCount()) ThrowBroken(ReadReason::BadSharedString, {std::to_string(index)});
            sheet_.SetSharedString(cell.row, cell.column, index);
            break;
        }
        case BiffId::Label:
        case BiffId::RString: {
            const Cell cell = ReadCell(cursor);
            SetText(cell, cursor, ReadString(cursor));
            break;
        }
        case BiffId::BoolErr: {
            const Cell cell = ReadCell(cursor);
            const std::uint8_t value = cursor.U8();
            sheet_.SetText(cell.row, cell.column, cursor.U8() ? ErrorText(value) : BooleanText(value));
            break;
        }
        case BiffId::Formula:
            if (globals_.version == BiffVersion::Biff2) {
                ReadFormulaResult(ReadBiff2Cell(cursor), cursor);
                break;
            }
            [[fallthrough]];
        // Some writers keep an older version's number for the record.
        case BiffId::Biff3Formula:
        case BiffId::Biff4Formula: ReadFormulaResult(ReadCell(cursor), cursor); break;
        case BiffId::Biff2Integer: {
            const Cell cell = ReadBiff2Cell(cursor);
            SetNumber(cell, cursor.U16());
            break;
        }
        case BiffId::Biff2Number: {
            const Cell cell = ReadBiff2Cell(cursor);
            SetNumber(cell, cursor.F64());
            break;
        }
        case BiffId::Biff2Label: {
            const Cell cell = ReadBiff2Cell(cursor);
            SetText(cell, cursor, ReadShortString(cursor));
            break;
        }
        case BiffId::Biff2BoolErr: {
            const Cell cell = ReadBiff2Cell(cursor);
            const std::uint8_t value = cursor.U8();
            sheet_.SetText(cell.row, cell.column, cursor.U8() ? ErrorText(value) : BooleanText(value));
            break;
        }
        default: break;
        }
    }

    struct Cell {
        int row;
        int column;
        NumberStyle style;
    };

    static bool IsCellRecord(std::uint16_t id)
    {
        switch (id) {
        case BiffId::Number:
        case BiffId::Rk:
        case BiffId::MulRk:
        case BiffId::LabelSst:
        case BiffId::Label:
        case BiffId::RString:
        case BiffId::BoolErr:
        case BiffId::Formula:
        case BiffId::Biff3Formula:
        case BiffId::Biff4Formula:
        case BiffId::Biff2Integer:
        case BiffId::Biff2Number:
        case BiffId::Biff2Label:
        case BiffId::Biff2BoolErr: return true;
        default: return false;
        }
    }

    static int Column(int row, std::size_t column)
    {
        if (column >= kColumnCount)
            ThrowBroken(ReadReason::CellOutOfSheet, {std::to_string(row), std::to_string(column + 1)});
        return static_cast<int>(column) + 1;
    }

    // Row, column and XF index, which every cell record from BIFF3 on starts
    // with.
    Cell ReadCell(BiffCursor& cursor) const
    {
        const int row = cursor.U16() + 1;
        const int column = Column(row, cursor.U16());
        return {row, column, StyleAt(globals_.xfStyles, cursor.U16())};
    }

    // BIFF2: row, column and three attribute bytes; the number format's index
    // is in the low six bits of the second.
    Cell ReadBiff2Cell(BiffCursor& cursor) const
    {
        const int row = cursor.U16() + 1;
        const int column = Column(row, cursor.U16());
        cursor.Skip(1);
        const std::uint8_t format = cursor.U8() & 0x3F;
        cursor.Skip(1);
        return {row, column, StyleAt(globals_.formatStyles, format)};
    }

    static NumberStyle StyleAt(const std::vector<NumberStyle>& styles, std::size_t index)
    {
        return index < styles.size() ? styles[index] : NumberStyle::Plain;
    }

    void SetNumber(const Cell& cell, double value) { sheet_.SetNumber(cell.row, cell.column, value, cell.style); }

    // A count, then each range as first row, last row, first column, last
    // column, from 0; the columns' two bytes reach past the sheet's 256.
    void ReadMergedCells(BiffCursor& cursor)
    {
        const int rows = globals_.version == BiffVersion::Biff8 ? kBiff8RowCount : kOldRowCount;
        for (int count = cursor.U16(); count > 0; --count) {
            const int firstRow = cursor.U16() + 1;
            const int lastRow = cursor.U16() + 1;
            const int firstColumn = cursor.U16() + 1;
            const int lastColumn = cursor.U16() + 1;
            if (const auto range = ClippedToSheet({firstRow, firstColumn, lastRow, lastColumn}, rows, kColumnCount))
                sheet_.MergeCells(range->firstRow, range->firstColumn, range->lastRow, range->lastColumn);
        }
    }

    // First and last column from 0, width, format, then the options, whose
    // lowest bit hides the columns.
    void ReadColumnInfo(BiffCursor& cursor)
    {
        const int firstColumn = cursor.U16() + 1;
        const int lastColumn = cursor.U16() + 1;
        cursor.Skip(4);
        if ((cursor.U16() & kHiddenColumns) && firstColumn <= lastColumn)
            sheet_.HideColumns(firstColumn, std::min(lastColumn, kColumnCount));
    }

    // A text that the record ends in the middle of is kept as far as it
    // goes, and named.
    void SetText(const Cell& cell, const BiffCursor& cursor, std::string_view text)
    {
        sheet_.SetText(cell.row, cell.column, text);
        if (cursor.TextCutShort()) sheet_.Warn(ReadWarning::TextCutShort, {CellName(cell.row, cell.column)});
    }

    // A BIFF2 string: an 8-bit length, then the characters.
    std::string ReadShortString(BiffCursor& cursor) const
    {
        return DecodeByteText(cursor.BytesUpTo(cursor.U8()), globals_.charset.c_str());
    }

    std::string ReadString(BiffCursor& cursor) const
    {
        return globals_.version == BiffVersion::Biff8 ? cursor.UnicodeString()
                                                      : cursor.ByteString(globals_.charset.c_str());
    }

    void ReadMulRk(BiffCursor& cursor, std::size_t size)
    {
        if (size < kMulRkFixedSize + kMulRkCellSize) ThrowBroken(ReadReason::RecordTooShort);
        const int row = cursor.U16() + 1;
        const std::uint16_t first = cursor.U16();
        const std::size_t count = (size - kMulRkFixedSize) / kMulRkCellSize;
        for (std::size_t i = 0; i < count; ++i) {
            const int column = Column(row, first + i);
            const NumberStyle style = StyleAt(globals_.xfStyles, cursor.U16());
            SetNumber({row, column, style}, RkValue(cursor.U32()));
        }
    }

    // The cached result: a number, or a marker 0xFFFF in its top two bytes
    // with the kind of result in its first byte and the value in its third.
    void ReadFormulaResult(const Cell& cell, BiffCursor& cursor)
    {
        const std::uint32_t low = cursor.U32();
        const std::uint32_t high = cursor.U32();
        if (high >> 16 != 0xFFFF) {
            const std::uint64_t bits = static_cast<std::uint64_t>(high) << 32 | low;
            double value;
            std::memcpy(&value, &bits, sizeof value);
            SetNumber(cell, value);
            return;
        }
        const auto value = static_cast<std::uint8_t>(low >> 16);
        switch (low & 0xFF) {
        case 0: pendingString_ = cell; break;
        case 1: sheet_.SetText(cell.row, cell.column, BooleanText(value != 0)); break;
        case 2: sheet_.SetText(cell.row, cell.column, ErrorText(value)); break;
        default: sheet_.SetText(cell.row, cell.column, {}); break;
        }
    }

    void ReadFormulaString(BiffCursor& cursor, bool shortLength)
    {
        if (!pendingString_) return;
        const Cell cell = *pendingString_;
        pendingString_.reset();
        SetText(cell, cursor, shortLength ? ReadShortString(cursor) : ReadString(cursor));
    }

    std::string_view stream_;
    const XlsGlobals& globals_;
    CellSink& sheet_;
    std::optional<Cell> pendingString_;
};

} // namespace

void ReadXlsSheet(std::string_view stream, const XlsGlobals& globals, const XlsGlobals::Sheet& sheet, CellSink& cells)
{
    CheckBoundSheetType(sheet.type);
    ReadXlsWorksheet(stream, sheet.offset, globals, cells);
}

void ReadXlsWorksheet(std::string_view stream, std::size_t bofOffset, const XlsGlobals& globals, CellSink& sheet)
{
    if (bofOffset >= stream.size()) ThrowBroken(ReadReason::SheetNotFound);
    const std::optional<BiffRecord> bof = BiffRecordAt(stream, bofOffset);
    if (!bof) ThrowBroken(ReadReason::SheetNotFound);
    CheckSubstreamType(*bof, stream);

    WorksheetReader reader(stream, globals, sheet);
    // A stream that ends right after the sheet's BOF holds no sheet at all.
    if (!ForEachSubstreamRecord(stream, bof->next, [&](const BiffRecord& record) {
            reader.Read(record);
            sheet.ReportConsumed(record.next, stream.size());
        }))
        ThrowBroken(ReadReason::FileTruncated);
}
