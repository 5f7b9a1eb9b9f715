#include "catalogue/DocumentTypes.h"

#include "base/QuarnelError.h"
#include "catalogue/CatalogueTexts.h"
#include "catalogue/DocumentTypeFaultText.h"

#include <array>

void RequireDocumentType(TDocumentType type, const std::string& operation)
{
    if (type >= kDocumentTypeCount) throw QuarnelError(QRNConsts::sInvalidDocType + operation);
}

std::string DocumentTypeCaption(TDocumentType type)
{
    static constexpr std::array<const char*, kDocumentTypeCount> kCaptions = {
        QRNConsts::sDocTypeBooks,     QRNConsts::sDocTypeMedia,       QRNConsts::sDocTypeOffice,
        QRNConsts::sDocTypeDigital,   QRNConsts::sDocTypeMaps,        QRNConsts::sDocTypeSupplies,
        QRNConsts::sDocTypePhilately, QRNConsts::sDocTypeNumismatics, QRNConsts::sDocTypeCalendars,
        QRNConsts::sDocTypeInvoice,
    };
    RequireDocumentType(type, "DocumentTypeCaption");
    return kCaptions[type];
}
