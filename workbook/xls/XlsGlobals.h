#pragma once

#include "workbook/CellSink.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// BIFF8 texts are Unicode; all earlier ones 8-bit in `charset`.
enum class BiffVersion { Biff2, Biff3, Biff4, Biff5, Biff8 };

// What the workbook globals substream (at the start of the stream) tells the
// reader of the first sheet.
struct XlsGlobals {
    BiffVersion version = BiffVersion::Biff8;
    bool date1904 = false;
    // The iconv charset of BIFF5's 8-bit texts.
    std::string charset;
    std::vector<std::string> sharedStrings;
    // The shared strings that lost characters to a damaged record, each kept
    // as far as it goes, by their number from 0.
    std::vector<std::size_t> cutSharedStrings;
    // How a number is shown, by the index of its cell's XF record.
    std::vector<NumberStyle> xfStyles;
    // BIFF2 cells name their number format directly: how it shows a number,
    // by its index.
    std::vector<NumberStyle> formatStyles;
    // The first sheet in workbook order, hidden or not: where its BOF record
    // is and what kind of sheet its BOUNDSHEET record says it is.
    std::size_t firstSheetOffset = 0;
    std::uint8_t firstSheetType = 0;

    // Every sheet in workbook order, as its BOUNDSHEET record gives it.
    struct Sheet {
        std::string name;
        std::size_t offset = 0;
        std::uint8_t type = 0;
        bool hidden = false;
    };
    std::vector<Sheet> sheets;
};

// The first sheet's BOUNDSHEET types.
namespace BoundSheetType {
inline constexpr std::uint8_t Worksheet = 0; // also a dialog sheet
inline constexpr std::uint8_t MacroSheet = 1;
inline constexpr std::uint8_t Chart = 2;
inline constexpr std::uint8_t VbaModule = 6;
} // namespace BoundSheetType

// Reads the globals substream up to its EOF. Raises WorkbookFault: encrypted at a
// FILEPASS record (nothing after it is read), unsupported for a BIFF2-4
// stream, broken for a stream without BOF, EOF or sheets, or whose records
// run past its end.
XlsGlobals ReadXlsGlobals(std::string_view stream);
