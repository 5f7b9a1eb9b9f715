#pragma once

#include "convert/RunInputs.h"
#include "convert/RunResult.h"
#include "workbook/SheetRows.h"

#include <functional>

using RowRun = std::function<RunResult(SheetRows& rows)>;

// Runs `run` over the rows of the run's workbook as they are read, reading
// on a second core. A sheet whose rows or cells come out of order in the
// file is then read whole and the run starts over on it from the start (its
// temporary output and log are discarded; the run clears the log as it
// starts), so the result is what reading the sheet at once gives.
RunResult RunOverWorkbookRows(const RunInputs& inputs, const RowRun& run);
