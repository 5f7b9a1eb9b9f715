#pragma once

#include "workbook/CellSink.h"
#include "workbook/ReadSheet.h"

class ZipArchive;

// Reads the first sheet of an Office Open XML workbook (xlsx, xlsm, strict or
// transitional) into the sink, following the package's relationships from
// _rels/.rels to the workbook part and from there to the first sheet, its
// styles and its shared strings. For the first row only, the sheet is read
// before the shared strings, and those only as far as the row refers to.
void ReadXlsxWorkbook(ZipArchive& archive, CellSink& sink, SheetExtent extent = SheetExtent::Whole);
