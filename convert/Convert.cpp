#include "convert/Convert.h"

#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"

namespace {

void RequireRunType(TDocumentType type)
{
    if (type > kInvoiceType) throw QuarnelError(std::string(QRNConsts::sInvalidDocType) + "TfmQRNMain.tmAutoTimer");
}

} // namespace

RunResult Convert(const RunInputs& inputs, RunObserver& observer)
{
    RequireRunType(inputs.documentType);
    return inputs.documentType == kInvoiceType ? ConvertInvoice(inputs, observer) : ConvertPriceList(inputs, observer);
}

RunResult Convert(const RunInputs& inputs, const Workbook& workbook, RunObserver& observer)
{
    RequireRunType(inputs.documentType);
    return inputs.documentType == kInvoiceType ? ConvertInvoice(inputs, workbook, observer)
                                               : ConvertPriceList(inputs, workbook, observer);
}
