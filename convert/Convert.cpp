#include "convert/Convert.h"

#include "base/QuarnelError.h"
#include "catalogue/DocumentTypeFaultText.h"
#include "convert/WorkbookRows.h"
#include "messages/FaultMessages.h"

namespace {

void RequireRunType(TDocumentType type)
{
    if (type > kInvoiceType) throw QuarnelError(std::string(QRNConsts::sInvalidDocType) + "TfmQRNMain.tmAutoTimer");
}

} // namespace

RunResult Convert(const RunInputs& inputs, RunObserver& observer)
{
    RequireRunType(inputs.documentType);
    if (inputs.outputPath.empty()) return {};
    return WithUserMessages(
        [&] { return RunOverWorkbookRows(inputs, [&](SheetRows& rows) { return Convert(inputs, rows, observer); }); });
}

RunResult Convert(const RunInputs& inputs, SheetRows& rows, RunObserver& observer)
{
    RequireRunType(inputs.documentType);
    return inputs.documentType == kInvoiceType ? ConvertInvoice(inputs, rows, observer)
                                               : ConvertPriceList(inputs, rows, observer);
}
