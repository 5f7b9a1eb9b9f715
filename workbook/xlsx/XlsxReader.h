#pragma once

#include "workbook/CellSink.h"
#include "workbook/SheetExtent.h"
#include "workbook/SheetChoice.h"

#include <vector>

class ZipArchive;

// Reads the chosen sheet (by default the first) of an Office Open XML workbook
// (xlsx, xlsm, strict or transitional) into the sink, following the package's
// relationships from _rels/.rels to the workbook part and from there to the
// sheet, its styles and its shared strings. The shared strings are read on
// the same thread as the sheet, each time only as far as the cells read so
// far refer to (and to their end after the sheet); for the first rows only,
// the sheet comes first and the shared strings are read only as far as those
// rows refer to.
void ReadXlsxWorkbook(ZipArchive& archive, CellSink& sink, SheetExtent extent = SheetExtent::Whole,
                      const SheetChoice& choice = {});

// The worksheets the workbook offers, in workbook order.
std::vector<SheetEntry> ListXlsxSheets(ZipArchive& archive);
