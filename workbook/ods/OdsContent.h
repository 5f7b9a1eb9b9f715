#pragma once

#include "workbook/CellSink.h"

class ZipArchive;

// Reads the cells of the first table of content.xml into `cells`; false when
// the content holds no spreadsheet at all.
bool ReadOdsContent(ZipArchive& archive, CellSink& cells);
