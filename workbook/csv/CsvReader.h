#pragma once

#include "workbook/CellSink.h"
#include "workbook/SheetChoice.h"
#include "workbook/WorkbookFile.h"

#include <string>
#include <vector>

// Whether a file that is neither a zip nor an OLE2 container is read as
// delimited text: it is named .csv, .tsv or .txt (in any case).
bool IsDelimitedTextName(const std::string& path);

// Reads a CSV or TSV file as a one-sheet workbook, every field a text cell
// taken as it stands. The encoding comes from a byte-order mark (UTF-8,
// UTF-16), else UTF-8 when the bytes are valid UTF-8, else windows-1251; the
// delimiter (";", tab or ",") is the one that splits the first 50 records
// into the most consistent number of fields, ties in that order. Quoting as
// RFC 4180: doubled quotes, line breaks inside quoted fields; a quote inside
// an unquoted field is taken literally. A quoted field still open at the end
// of the file is damage (WorkbookFault naming the line it starts on).
void ReadCsvWorkbook(const WorkbookFile& workbook, CellSink& sink, const SheetChoice& choice = {});

// The one sheet, named after the file, as spreadsheet applications name it.
std::vector<SheetEntry> ListCsvSheets(const WorkbookFile& workbook);
