#pragma once

#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "workbook/SheetRows.h"

// The price-list run (document types 0 to 8): one KALMIRAMessage with the
// header and one Product per data row, saved unless a critical error was
// reported. Bad cell values are logged against their row; platform failures
// (workbook, output file, sent date text) raise their faults, leaving any
// previous output file as it was.
// The rows are the sheet's as the run reads them (see Convert).
RunResult ConvertPriceList(const RunInputs& inputs, SheetRows& rows, RunObserver& observer);
