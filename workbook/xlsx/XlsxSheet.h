#pragma once

#include "workbook/CellSink.h"

#include <string>
#include <vector>

class ZipArchive;

// What a sheet's cells refer to outside the sheet part.
struct XlsxSheetContext {
    // For a sheet read before its shared strings: every index is taken, and
    // the caller checks them once the table is read.
    static constexpr std::size_t kCountNotYetKnown = SIZE_MAX;

    const std::vector<NumberStyle>& cellStyles;
    std::size_t sharedStringCount;
};

// Reads the cells of a worksheet part into `cells`. A chart or dialog sheet
// holds no cells and is refused as unsupported; a cell beyond the sheet's
// limits, a bad cell reference or a shared string the table lacks as damage.
void ReadXlsxSheet(ZipArchive& archive, const std::string& part, const XlsxSheetContext& context, CellSink& cells);
