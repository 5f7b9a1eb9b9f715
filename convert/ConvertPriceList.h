#pragma once

#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "workbook/Workbook.h"

// The price-list run (document types 0 to 8): one KALMIRAMessage with the
// header and one Product per data row, saved unless a critical error was
// reported. Bad cell values are logged against their row; platform failures
// (workbook, output file, sent date text) raise QuarnelError, leaving any
// previous output file as it was.
RunResult ConvertPriceList(const RunInputs& inputs, RunObserver& observer);

// The same over a workbook the caller holds in memory.
RunResult ConvertPriceList(const RunInputs& inputs, const Workbook& workbook, RunObserver& observer);
