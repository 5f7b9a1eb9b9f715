#include "convert/SchemeType.h"

#include "base/MessageFormat.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/RunLogTexts.h"

namespace {

// How many of the type's fields the lines name.
int FieldsNamed(const SchemeLines& lines, TDocumentType type)
{
    int named = 0;
    for (const std::string& caption : FieldCaptions(type))
        if (FindSchemeLine(lines, caption) >= 0) ++named;
    return named;
}

} // namespace

std::optional<TDocumentType> SchemeMadeForOtherType(const SchemeLines& lines, TDocumentType type)
{
    if (FieldsNamed(lines, type) > 0) return std::nullopt;
    std::optional<TDocumentType> madeFor;
    int most = 0;
    for (int index = 0; index < kDocumentTypeCount; ++index) {
        const TDocumentType other = *DocumentTypeAt(index);
        if (const int named = FieldsNamed(lines, other); named > most) {
            most = named;
            madeFor = other;
        }
    }
    return madeFor;
}

std::optional<std::string> SchemeForOtherTypeLine(const std::string& file, const SchemeLines& lines, TDocumentType type)
{
    const std::optional<TDocumentType> madeFor = SchemeMadeForOtherType(lines, type);
    if (!madeFor) return std::nullopt;
    return FormatMessage(QRNConsts::sSchemeForOtherType, {file, DocumentTypeCaption(*madeFor)});
}
