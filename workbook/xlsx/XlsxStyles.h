#pragma once

#include "workbook/CellSink.h"

#include <string>
#include <vector>

class ZipArchive;

// How each cell format (the "s" attribute of a cell, an index into cellXfs)
// shows a number: by its built-in format id or its custom format code.
std::vector<NumberStyle> ReadXlsxCellStyles(ZipArchive& archive, const std::string& part);
