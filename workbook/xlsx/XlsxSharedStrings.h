#pragma once

#include "workbook/CellSink.h"

#include <cstdint>
#include <string>

class ZipArchive;

// Reads the shared-string table, in order, into the sheet's own table: the
// whole table, or its first `wanted` strings.
void ReadXlsxSharedStrings(ZipArchive& archive, const std::string& part, CellSink& cells,
                           std::size_t wanted = SIZE_MAX);
