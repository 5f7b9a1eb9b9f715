#include "catalogue/DocumentTypes.h"

#include "catalogue/CatalogueTexts.h"

#include <array>

std::string DocumentTypeCaption(TDocumentType type)
{
    static constexpr std::array<const char*, kDocumentTypeCount> kCaptions = {
        QRNConsts::sDocTypeBooks,     QRNConsts::sDocTypeMedia,       QRNConsts::sDocTypeOffice,
        QRNConsts::sDocTypeDigital,   QRNConsts::sDocTypeMaps,        QRNConsts::sDocTypeSupplies,
        QRNConsts::sDocTypePhilately, QRNConsts::sDocTypeNumismatics, QRNConsts::sDocTypeCalendars,
        QRNConsts::sDocTypeInvoice,
    };
    return kCaptions[IndexOf(type)];
}
