#include "workbook/xls/XlsWorksheet.h"

#include "base/MessageFormat.h"
#include "catalogue/QRNConsts.h"
#include "workbook/xls/BiffCursor.h"
#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/XlsFault.h"

#include <cstring>
#include <optional>

namespace {

constexpr int kColumnCount = 256;
constexpr std::uint8_t kDialogSheet = 0x10;  // in the first byte of WSBOOL
constexpr std::size_t kMulRkFixedSize = 6;    // row, first column, last column
constexpr std::size_t kMulRkCellSize = 6;     // XF index and RK value

[[noreturn]] void Refuse(const char* reason)
{
    throw XlsFault(XlsFaultKind::Unsupported, reason);
}

void CheckBoundSheetType(std::uint8_t type)
{
    switch (type) {
    case BoundSheetType::Chart: Refuse(QRNConsts::sReasonFirstSheetNotCells);
    case BoundSheetType::MacroSheet:
    case BoundSheetType::VbaModule: Refuse(QRNConsts::sReasonFirstSheetMacros);
    default: break;
    }
}

void CheckSubstreamType(const BiffRecord& bof, std::string_view stream)
{
    if (bof.id != BiffId::Bof) throw XlsFault(XlsFaultKind::Broken, QRNConsts::sReasonSheetNotFound);
    BiffCursor cursor(stream, bof);
    cursor.Skip(2);  // version, already known from the globals
    switch (cursor.U16()) {
    case BiffSubstream::Worksheet: return;
    case BiffSubstream::Chart: Refuse(QRNConsts::sReasonFirstSheetNotCells);
    case BiffSubstream::MacroSheet:
    case BiffSubstream::VbaModule: Refuse(QRNConsts::sReasonFirstSheetMacros);
    default: throw XlsFault(XlsFaultKind::Broken, QRNConsts::sReasonSheetNotFound);
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
    WorksheetReader(std::string_view stream, const XlsGlobals& globals, SheetCells& sheet)
        : stream_(stream), globals_(globals), sheet_(sheet)
    {
    }

    void Read(const BiffRecord& record)
    {
        BiffCursor cursor(stream_, record);
        if (record.id == BiffId::String) {
            ReadFormulaString(cursor);
            return;
        }
        // A string result is only in the STRING record right after its
        // formula (shared-formula and array records may come between).
        if (IsCellRecord(record.id)) pendingString_.reset();
        switch (record.id) {
        case BiffId::WsBool:
            if (cursor.U8() & kDialogSheet) Refuse(QRNConsts::sReasonFirstSheetNotCells);
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
            sheet_.SetSharedString(cell.row, cell.column, cursor.U32());
            break;
        }
        case BiffId::Label:
        case BiffId::RString: {
            const Cell cell = ReadCell(cursor);
            sheet_.SetText(cell.row, cell.column, ReadString(cursor));
            break;
        }
        case BiffId::BoolErr: {
            const Cell cell = ReadCell(cursor);
            const std::uint8_t value = cursor.U8();
            sheet_.SetText(cell.row, cell.column, cursor.U8() ? ErrorText(value) : BooleanText(value));
            break;
        }
        case BiffId::Formula: ReadFormula(cursor); break;
        default: break;
        }
    }

private:
    struct Cell {
        int row;
        int column;
        std::uint16_t xf;
    };

    static bool IsCellRecord(std::uint16_t id)
    {
        return id == BiffId::Number || id == BiffId::Rk || id == BiffId::MulRk || id == BiffId::LabelSst
            || id == BiffId::Label || id == BiffId::RString || id == BiffId::BoolErr || id == BiffId::Formula;
    }

    static int Column(int row, std::size_t column)
    {
        if (column >= kColumnCount)
            throw XlsFault(XlsFaultKind::Broken, FormatMessage(QRNConsts::sReasonCellOutOfSheet,
                                                               {std::to_string(row), std::to_string(column + 1)}));
        return static_cast<int>(column) + 1;
    }

    // Row, column and XF index, which every cell record starts with.
    static Cell ReadCell(BiffCursor& cursor)
    {
        const int row = cursor.U16() + 1;
        const int column = Column(row, cursor.U16());
        return {row, column, cursor.U16()};
    }

    void SetNumber(const Cell& cell, double value)
    {
        const NumberStyle style = cell.xf < globals_.xfStyles.size() ? globals_.xfStyles[cell.xf] : NumberStyle::Plain;
        sheet_.SetNumber(cell.row, cell.column, value, style);
    }

    std::string ReadString(BiffCursor& cursor) const
    {
        return globals_.version == BiffVersion::Biff8 ? cursor.UnicodeString()
                                                      : cursor.ByteString(globals_.charset.c_str());
    }

    void ReadMulRk(BiffCursor& cursor, std::size_t size)
    {
        if (size < kMulRkFixedSize + kMulRkCellSize)
            throw XlsFault(XlsFaultKind::Broken, QRNConsts::sReasonRecordTooShort);
        const int row = cursor.U16() + 1;
        const std::uint16_t first = cursor.U16();
        const std::size_t count = (size - kMulRkFixedSize) / kMulRkCellSize;
        for (std::size_t i = 0; i < count; ++i) {
            const int column = Column(row, first + i);
            const std::uint16_t xf = cursor.U16();
            SetNumber({row, column, xf}, RkValue(cursor.U32()));
        }
    }

    // The cached result: a number, or a marker 0xFFFF in its top two bytes
    // with the kind of result in its first byte and the value in its third.
    void ReadFormula(BiffCursor& cursor)
    {
        const Cell cell = ReadCell(cursor);
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

    void ReadFormulaString(BiffCursor& cursor)
    {
        if (!pendingString_) return;
        const Cell cell = *pendingString_;
        pendingString_.reset();
        sheet_.SetText(cell.row, cell.column, ReadString(cursor));
    }

    std::string_view stream_;
    const XlsGlobals& globals_;
    SheetCells& sheet_;
    std::optional<Cell> pendingString_;
};

} // namespace

void ReadXlsFirstSheet(std::string_view stream, const XlsGlobals& globals, SheetCells& sheet)
{
    CheckBoundSheetType(globals.firstSheetType);
    if (globals.firstSheetOffset >= stream.size())
        throw XlsFault(XlsFaultKind::Broken, QRNConsts::sReasonSheetNotFound);

    const std::optional<BiffRecord> bof = BiffRecordAt(stream, globals.firstSheetOffset);
    CheckSubstreamType(*bof, stream);

    BiffRecordStream records(stream, bof->next);
    BiffRecord record;
    WorksheetReader reader(stream, globals, sheet);
    // Embedded charts are substreams of their own inside the sheet's.
    int nested = 0;
    while (records.Next(record)) {
        if (record.id == BiffId::Bof) {
            ++nested;
        } else if (record.id == BiffId::Eof) {
            if (nested == 0) return;
            --nested;
        } else if (nested == 0) {
            reader.Read(record);
        }
    }
    throw XlsFault(XlsFaultKind::Broken, QRNConsts::sReasonFileTruncated);
}
