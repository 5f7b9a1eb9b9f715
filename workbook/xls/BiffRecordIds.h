#pragma once

#include <cstdint>

// The record identifiers of the BIFF5 and BIFF8 streams that the reader acts on.
namespace BiffId {

inline constexpr std::uint16_t Bof = 0x0809;
inline constexpr std::uint16_t Biff2Bof = 0x0009;
inline constexpr std::uint16_t Biff3Bof = 0x0209;
inline constexpr std::uint16_t Biff4Bof = 0x0409;
inline constexpr std::uint16_t Eof = 0x000A;
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

// Worksheet
inline constexpr std::uint16_t WsBool = 0x0081;
inline constexpr std::uint16_t Number = 0x0203;
inline constexpr std::uint16_t Rk = 0x027E;
inline constexpr std::uint16_t MulRk = 0x00BD;
inline constexpr std::uint16_t LabelSst = 0x00FD;
inline constexpr std::uint16_t Label = 0x0204;
inline constexpr std::uint16_t RString = 0x00D6;
inline constexpr std::uint16_t BoolErr = 0x0205;
inline constexpr std::uint16_t Formula = 0x0006;
inline constexpr std::uint16_t String = 0x0207;

} // namespace BiffId

// The substream kinds of a BOF record.
namespace BiffSubstream {

inline constexpr std::uint16_t Globals = 0x0005;
inline constexpr std::uint16_t VbaModule = 0x0006;
inline constexpr std::uint16_t Worksheet = 0x0010;
inline constexpr std::uint16_t Chart = 0x0020;
inline constexpr std::uint16_t MacroSheet = 0x0040;

} // namespace BiffSubstream
