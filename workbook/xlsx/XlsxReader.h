#pragma once

#include "workbook/CellSink.h"
#include "workbook/ReadSheet.h"
#include "workbook/SheetChoice.h"

#include <vector>

class ZipArchive;

// Reads a sheet (by default the first) of an Office Open XML workbook (xlsx, xlsm, strict or
// transitional) into the sink, following the package's relationships from
// _rels/.rels to the workbook part and from there to the first sheet, its
// styles and its shared strings. For the first rows only, the sheet is read
// before the shared strings, and those only as far as those rows refer to.
void ReadXlsxWorkbook(ZipArchive& archive, CellSink& sink, SheetExtent extent = SheetExtent::Whole,
                      const SheetChoice& choice = {});

// The worksheets the workbook offers, in workbook order.
std::vector<SheetEntry> ListXlsxSheets(ZipArchive& archive);
