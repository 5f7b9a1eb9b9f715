#pragma once

#include "workbook/ReadBudget.h"
#include "workbook/Workbook.h"

#include <memory>

class ZipArchive;

// Reads the first sheet of an Office Open XML workbook (xlsx, xlsm, strict or
// transitional), following the package's relationships from _rels/.rels to
// the workbook part and from there to the first sheet, its styles and its
// shared strings.
std::unique_ptr<Workbook> ReadXlsxWorkbook(ZipArchive& archive, const Regional& regional, const ReadBudget& budget);
