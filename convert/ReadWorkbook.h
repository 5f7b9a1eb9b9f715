#pragma once

#include "base/Regional.h"
#include "workbook/Workbook.h"

#include <memory>
#include <string>
#include <vector>

// Opens the workbook for a run or a front end. A workbook that cannot be read
// raises QuarnelError with the message the user sees, naming the file.
std::unique_ptr<Workbook> ReadWorkbook(const std::string& path, const Regional& regional,
                                       const SheetChoice& sheet = {});

// The column names of the workbook (the header row of the chosen sheet),
// reading no further; raises as ReadWorkbook does.
std::vector<std::string> ReadWorkbookColumnNames(const std::string& path, const Regional& regional,
                                                 const SheetChoice& sheet = {}, int headerRow = 1);

// The worksheets of the workbook; raises as ReadWorkbook does.
std::vector<SheetEntry> ReadWorkbookSheets(const std::string& path);
