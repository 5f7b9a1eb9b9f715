#pragma once

#include "workbook/CellSink.h"
#include "workbook/SheetChoice.h"

class ZipArchive;

// Reads the cells of a table of content.xml (by default the first) into
// `cells`; false when the content holds no spreadsheet at all. WorkbookFault
// (no such sheet) when no table is the one chosen.
bool ReadOdsContent(ZipArchive& archive, CellSink& cells, const SheetChoice& choice = {});
