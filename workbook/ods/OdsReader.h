#pragma once

#include "workbook/CellSink.h"

class ZipArchive;

// Reads the first table of an OpenDocument spreadsheet (content.xml) into the
// sink. WorkbookFault when the package is another kind of OpenDocument file,
// is password-protected, or its content is damaged.
void ReadOdsWorkbook(ZipArchive& archive, CellSink& sink);
