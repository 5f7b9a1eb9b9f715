#pragma once

#include "workbook/CellSink.h"
#include "workbook/SheetChoice.h"

#include <string>
#include <vector>

// How much of the sheet a read wants: all of it, or its first rows only (the
// sink stops the read with ReadingStopped once it is past the row it wants).
enum class SheetExtent { Whole, FirstRows };

// Thrown by a sink that has what it wanted, to end a read early; never a
// failure, and caught by whoever started the read.
struct ReadingStopped {};

// Reads the chosen sheet (by default the first in workbook order, hidden or
// not) of the workbook at the path into the sink, choosing the reader by the
// file's content (not its extension), within the budget its size allows.
// Raises WorkbookFault, naming the file, when the file is missing,
// unreadable, damaged, password-protected, too large, not a workbook, or
// holds no such sheet.
void ReadSheet(const std::string& path, CellSink& sink, SheetExtent extent = SheetExtent::Whole,
               const SheetChoice& choice = {});

// The worksheets of the workbook at the path, in workbook order; raises as
// ReadSheet does.
std::vector<SheetEntry> ListSheets(const std::string& path);
