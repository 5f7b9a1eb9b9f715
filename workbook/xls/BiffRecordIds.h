#pragma once

#include <cstdint>

// The record identifiers of the BIFF streams that the reader acts on: BIFF5
// and BIFF8, and where Excel 2.x-4.0 numbered a record otherwise, BIFF2-4.
namespace BiffId {

inline constexpr std::uint16_t Bof = 0x0809;
inline constexpr std::uint16_t Biff2Bof = 0x0009;
inline constexpr std::uint16_t Biff3Bof = 0x0209;
inline constexpr std::uint16_t Biff4Bof = 0x0409;
inline constexpr std::uint16_t Eof = 0x000A;
inline constexpr std::uint16_t MergedCells = 0x00E5;
inline constexpr std::uint16_t Continue = 0x003C;

// Workbook globals
inline constexpr std::uint16_t FilePass = 0x002F;
inline constexpr std::uint16_t CodePage = 0x0042;
inline constexpr std::uint16_t DateMode = 0x0022;
inline constexpr std::uint16_t Font = 0x0031;
inline constexpr std::uint16_t Format = 0x041E;
inline constexpr std::uint16_t Xf = 0x00E0;
inline constexpr std::uint16_t BoundSheet = 0x0085;
inline constexpr std::uint16_t Sst = 0x00FC;

// Excel 2.x-4.0: the formats (numbered by their order; BIFF4's record is
// the FORMAT id of later versions), the cell formats, and a BIFF4 workbook's
// sheet list.
inline constexpr std::uint16_t Biff2Format = 0x001E;
inline constexpr std::uint16_t Biff3Xf = 0x0243;
inline constexpr std::uint16_t Biff4Xf = 0x0443;
inline constexpr std::uint16_t BundleSheet = 0x008E;

// Worksheet
inline constexpr std::uint16_t WsBool = 0x0081;
inline constexpr std::uint16_t ColInfo = 0x007D;
inline constexpr std::uint16_t Number = 0x0203;
inline constexpr std::uint16_t Rk = 0x027E;
inline constexpr std::uint16_t MulRk = 0x00BD;
inline constexpr std::uint16_t LabelSst = 0x00FD;
inline constexpr std::uint16_t Label = 0x0204;
inline constexpr std::uint16_t RString = 0x00D6;
inline constexpr std::uint16_t BoolErr = 0x0205;
inline constexpr std::uint16_t Formula = 0x0006;
inline constexpr std::uint16_t Biff3Formula = 0x0206;
inline constexpr std::uint16_t Biff4Formula = 0x0406;
inline constexpr std::uint16_t String = 0x0207;

// BIFF2 cells: row, column and three bytes of cell attributes, the second
// of which holds the number format's index; strings with an 8-bit length.
inline constexpr std::uint16_t Biff2Integer = 0x0002;
inline constexpr std::uint16_t Biff2Number = 0x0003;
inline constexpr std::uint16_t Biff2Label = 0x0004;
inline constexpr std::uint16_t Biff2BoolErr = 0x0005;
inline constexpr std::uint16_t Biff2Formula = 0x0006; // in a BIFF2 stream
inline constexpr std::uint16_t Biff2String = 0x0007;

} // namespace BiffId

// A BOF record of any BIFF version: each opens a substream.
inline constexpr bool IsBof(std::uint16_t id)
{
    return id == BiffId::Bof || id == BiffId::Biff2Bof || id == BiffId::Biff3Bof || id == BiffId::Biff4Bof;
}

// The substream kinds of a BOF record.
namespace BiffSubstream {

inline constexpr std::uint16_t Globals = 0x0005;
inline constexpr std::uint16_t Biff4Workbook = 0x0100;
inline constexpr std::uint16_t VbaModule = 0x0006;
inline constexpr std::uint16_t Worksheet = 0x0010;
inline constexpr std::uint16_t Chart = 0x0020;
inline constexpr std::uint16_t MacroSheet = 0x0040;

} // namespace BiffSubstream
