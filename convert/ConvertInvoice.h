#pragma once

#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "workbook/Workbook.h"

// The invoice run (document type 9): BookCommerceMessage invoices of at most
// 15 positions each (one invoice when inputs.noSeparate15Pos), one file per
// invoice, each saved only when its own positions reported no error.
// errorCount in the result counts the errors of all packages.
RunResult ConvertInvoice(const RunInputs& inputs, RunObserver& observer);

// The same over a workbook the caller has already opened.
RunResult ConvertInvoice(const RunInputs& inputs, const Workbook& workbook, RunObserver& observer);
