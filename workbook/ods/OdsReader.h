#pragma once

#include "workbook/CellSink.h"
#include "workbook/SheetChoice.h"

#include <vector>

class ZipArchive;

// Reads a table (by default the first) of an OpenDocument spreadsheet
// (content.xml) into the sink. WorkbookFault when the package is another kind
// of OpenDocument file, is password-protected, or its content is damaged.
void ReadOdsWorkbook(ZipArchive& archive, CellSink& sink, const SheetChoice& choice = {});

// The tables of the spreadsheet, in order (reading through content.xml).
std::vector<SheetEntry> ListOdsSheets(ZipArchive& archive);
