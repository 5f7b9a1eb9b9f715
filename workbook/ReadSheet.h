#pragma once

#include "workbook/CellSink.h"

#include <string>

// How much of the first sheet a read wants: all of it, or row 1 only (the
// sink stops the read with ReadingStopped once it is past that row).
enum class SheetExtent { Whole, FirstRow };

// Thrown by a sink that has what it wanted, to end a read early; never a
// failure, and caught by whoever started the read.
struct ReadingStopped {};

// Reads the first sheet of the workbook at the path, in workbook order,
// hidden or not, into the sink, choosing the reader by the file's content
// (not its extension), within the budget its size allows. Raises
// WorkbookFault, naming the file, when the file is missing, unreadable,
// damaged, password-protected, too large or not a workbook.
void ReadSheet(const std::string& path, CellSink& sink, SheetExtent extent = SheetExtent::Whole);
