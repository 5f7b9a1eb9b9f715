#pragma once

#include "base/Regional.h"
#include "base/StopRequest.h"
#include "convert/RunInputs.h"
#include "convert/RunResult.h"
#include "workbook/SheetChoice.h"
#include "workbook/SheetRows.h"

#include <functional>
#include <string>

// Calls `read` with the rows of the workbook's sheet as they are read,
// reading on a second core. A sheet whose rows or cells come out of order in
// the file is then read whole and `read` called again from the start on it,
// so that what it finally sees is what reading the sheet at once gives.
void ReadWorkbookRows(const std::string& path, const Regional& regional, const SheetChoice& sheet,
                      const StopRequest& stop, const std::function<void(SheetRows& rows)>& read);

// The same over the rows of the run's workbook: the one it holds open, or
// else the one at its path.
void ReadRunRows(const RunInputs& inputs, const std::function<void(SheetRows& rows)>& read);

using RowRun = std::function<RunResult(SheetRows& rows)>;

// The same for a run over the run's workbook: a run started over discards
// its temporary output and log (the run clears the log as it starts).
RunResult RunOverWorkbookRows(const RunInputs& inputs, const RowRun& run);
