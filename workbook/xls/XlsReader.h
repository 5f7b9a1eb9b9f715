#pragma once

#include "workbook/CellSink.h"
#include "workbook/SheetChoice.h"
#include "workbook/WorkbookFile.h"

#include <string>
#include <vector>

// Reads a sheet (by default the first) of an .xls workbook (BIFF5 or BIFF8 in an OLE2
// compound file) into the sink. Raises WorkbookFault when it is damaged,
// password-protected (also an encrypted OOXML package in OLE2), holds no
// workbook, or its first sheet holds no cells (chart, dialog or macro sheet).
void ReadXlsWorkbook(const WorkbookFile& workbook, CellSink& sink, const SheetChoice& choice = {});

// The same for an Excel 2.x-4.0 file: a bare BIFF2, BIFF3 or BIFF4 worksheet
// or BIFF4 workbook, read with the same cell texts.
void ReadOldXlsWorkbook(const WorkbookFile& workbook, CellSink& sink, const SheetChoice& choice = {});

// The worksheets the workbook offers, in workbook order (an Excel 2.x-4.0
// file one, named after the file).
std::vector<SheetEntry> ListXlsSheets(const WorkbookFile& workbook);
std::vector<SheetEntry> ListOldXlsSheets(const WorkbookFile& workbook);
