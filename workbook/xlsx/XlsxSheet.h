#pragma once

#include "workbook/CellSink.h"

#include <string>
#include <vector>

class ZipArchive;

// What a sheet's cells refer to outside the sheet part.
struct XlsxSheetContext {
    const std::vector<NumberStyle>& cellStyles;
};

// Reads the cells of a worksheet part into `cells`. A chart or dialog sheet
// holds no cells and is refused as unsupported; a cell beyond the sheet's
// limits or a bad cell reference as damage. Whether the shared strings the
// cells refer to exist is for the caller to check (SharedStringsWanted): the
// table may be read after the cells or beside them.
void ReadXlsxSheet(ZipArchive& archive, const std::string& part, const XlsxSheetContext& context, CellSink& cells);
