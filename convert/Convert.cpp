#include "convert/Convert.h"

#include "convert/WorkbookRows.h"

RunResult ConvertWorkbook(const RunInputs& inputs, RunObserver& observer)
{
    if (inputs.outputPath.empty()) return {};
    return RunOverWorkbookRows(inputs, [&](SheetRows& rows) { return ConvertRows(inputs, rows, observer); });
}

RunResult ConvertRows(const RunInputs& inputs, SheetRows& rows, RunObserver& observer)
{
    return inputs.documentType == kInvoiceType ? ConvertInvoice(inputs, rows, observer)
                                               : ConvertPriceList(inputs, rows, observer);
}
