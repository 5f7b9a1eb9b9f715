#pragma once

#include "convert/ConvertInvoice.h"
#include "convert/ConvertPriceList.h"

// Converts the run's workbook: the price-list run for types 0 to 8, the
// invoice run for 9, over the rows of the workbook as they are read. An empty
// output path does nothing.
RunResult ConvertWorkbook(const RunInputs& inputs, RunObserver& observer);

// The same over rows the caller reads (a sheet held in memory, say).
RunResult ConvertRows(const RunInputs& inputs, SheetRows& rows, RunObserver& observer);
