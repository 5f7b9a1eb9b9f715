#pragma once

#include "convert/ConvertInvoice.h"
#include "convert/ConvertPriceList.h"

// The conversion starter: the price-list run for types 0 to 8, the invoice run
// for 9, over the rows of inputs.workbookPath as they are read. An empty
// output path does nothing.
RunResult Convert(const RunInputs& inputs, RunObserver& observer);

// The same over rows the caller reads.
RunResult Convert(const RunInputs& inputs, SheetRows& rows, RunObserver& observer);
