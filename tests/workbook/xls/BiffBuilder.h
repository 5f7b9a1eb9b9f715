#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Writes BIFF records and OLE2 files by hand, so that each test states the
// exact bytes a producer wrote.

// A record body, little-endian.
class Body {
public:
    Body& U8(std::uint8_t value);
    Body& U16(std::uint16_t value);
    Body& U32(std::uint32_t value);
    Body& F64(double value);
    Body& Raw(const std::string& bytes);
    // UTF-16LE code units of an UTF-8 text.
    Body& Utf16(const std::string& text);
    // A BIFF8 string with a 16-bit count: compressed when every character is
    // below U+0100, otherwise two bytes a character.
    Body& Biff8String(const std::string& text);
    // A BIFF5 string with a 16-bit count of 8-bit characters.
    Body& Biff5String(const std::string& bytes);

    operator const std::string&() const { return bytes_; }

private:
    std::string bytes_;
};

struct Record {
    std::uint16_t id;
    std::string body;
};

std::string RecordBytes(const Record& record);
std::string RecordBytes(const std::vector<Record>& records);

enum class Biff { V5, V8 };

// A workbook stream: the globals (BOF, the given records, one BOUNDSHEET per
// sheet pointing at it, EOF) followed by each sheet's substream (BOF, the
// given records, EOF).
struct SheetSpec {
    std::vector<Record> records;
    std::uint8_t boundSheetType = 0;
    std::uint8_t visibility = 0;
    std::uint16_t substreamType = 0x0010;
};
std::string WorkbookStream(Biff version, const std::vector<Record>& globals, const std::vector<SheetSpec>& sheets);

// An OLE2 compound file holding the given named streams.
void WriteOleFile(const std::string& path, const std::vector<std::pair<std::string, std::string>>& streams);

// Record builders used by many cases.
namespace Rec {
Record CodePage(std::uint16_t codePage);
Record DateMode1904();
Record Font(std::uint8_t charset);
Record Biff8Format(std::uint16_t id, const std::string& code);
Record Xf(Biff version, std::uint16_t formatId);
Record Number(std::uint16_t row, std::uint16_t column, double value, std::uint16_t xf = 0);
Record Rk(std::uint16_t row, std::uint16_t column, std::uint32_t rk, std::uint16_t xf = 0);
Record Label8(std::uint16_t row, std::uint16_t column, const std::string& text);
Record LabelSst(std::uint16_t row, std::uint16_t column, std::uint32_t index);
Record FormulaNumber(std::uint16_t row, std::uint16_t column, double value);
// A formula whose cached result is of the given kind (0 string, 1 boolean,
// 2 error, 3 empty string) with the given value byte.
Record FormulaResult(std::uint16_t row, std::uint16_t column, std::uint8_t kind, std::uint8_t value = 0);
Record Continue(const std::string& body);
} // namespace Rec
