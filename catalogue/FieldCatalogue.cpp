#include "catalogue/FieldCatalogue.h"

#include <array>

namespace {

using FieldLists = std::array<std::vector<TFieldEntry>, kDocumentTypeCount>;

// Built on first use and never changed afterwards; at most 70 rows each, so
// the lookups scan them and the first row wins.
const FieldLists& AllFieldLists()
{
    static const FieldLists lists = [] {
        FieldLists built;
        for (int index = 0; index < kDocumentTypeCount; ++index) {
            const TDocumentType type = *DocumentTypeAt(index);
            for (const char* id : FieldOrder(type)) built[index].push_back({id, CaptionIn(*FindFieldRow(id), type)});
        }
        return built;
    }();
    return lists;
}

} // namespace

const std::vector<TFieldEntry>& FieldTable(TDocumentType type)
{
    return AllFieldLists()[IndexOf(type)];
}

std::string FieldCaption(const std::string& fieldID, TDocumentType type)
{
    for (const TFieldEntry& entry : AllFieldLists()[IndexOf(type)])
        if (entry.FieldID == fieldID) return entry.FieldName;
    return {};
}

std::vector<std::string> FieldCaptions(TDocumentType type)
{
    std::vector<std::string> list;
    for (const TFieldEntry& entry : AllFieldLists()[IndexOf(type)]) list.push_back(entry.FieldName);
    return list;
}

std::string GetCorrespondenceParamName(TDocumentType type)
{
    static constexpr std::array<const char*, kDocumentTypeCount> kKeys = {
        "PricelistCorrespondence", "MediaCorrespondence",    "OfficeCorrespondence",    "DigitCorrespondence",
        "MapsCorrespondence",      "SuppliesCorrespondence", "PhilatelyCorrespondence", "NumizmatCorrespondence",
        "CalendarCorrespondence",  "InvoiceCorrespondence",
    };
    return kKeys[IndexOf(type)];
}
