#pragma once

#include "convert/ConvertInvoice.h"
#include "convert/ConvertPriceList.h"

// The conversion starter: the price-list run for types 0 to 8, the invoice run
// for 9; any other type raises "Недопустимый тип товара в функции
// TfmQRNMain.tmAutoTimer".
RunResult Convert(const RunInputs& inputs, RunObserver& observer);
RunResult Convert(const RunInputs& inputs, const Workbook& workbook, RunObserver& observer);
