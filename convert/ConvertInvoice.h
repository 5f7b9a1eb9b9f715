#pragma once

#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "workbook/SheetRows.h"

// The invoice run (document type 9): BookCommerceMessage invoices of at most
// 15 positions each (one invoice when inputs.noSeparate15Pos), one file per
// invoice, each saved only when its own positions reported no error.
// errorCount in the result counts the errors of all packages.
// The rows are the sheet's as the run reads them (see Convert).
RunResult ConvertInvoice(const RunInputs& inputs, SheetRows& rows, RunObserver& observer);
