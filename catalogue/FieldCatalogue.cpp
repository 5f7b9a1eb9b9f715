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
        for (int type = 0; type < kDocumentTypeCount; ++type) {
            for (const char* id : FieldOrder(static_cast<TDocumentType>(type))) {
                const FieldRow* row = FindFieldRow(id);
                built[type].push_back({id, CaptionIn(*row, static_cast<TDocumentType>(type))});
            }
        }
        return built;
    }();
    return lists;
}

} // namespace

const std::vector<TFieldEntry>& FieldTable(TDocumentType type)
{
    RequireDocumentType(type, "FieldTable");
    return AllFieldLists()[type];
}

std::string GetFildNameByFieldID(const std::string& fieldID, TDocumentType type)
{
    RequireDocumentType(type, "GetFildNameByFieldID");
    for (const TFieldEntry& entry : AllFieldLists()[type])
        if (entry.FieldID == fieldID) return entry.FieldName;
    return {};
}

void FillFieldsListBox(std::vector<std::string>& list, TDocumentType type)
{
    list.clear();
    RequireDocumentType(type, "FillFieldsListBox");
    for (const TFieldEntry& entry : AllFieldLists()[type]) list.push_back(entry.FieldName);
}

std::string GetCorrespondenceParamName(TDocumentType type)
{
    static constexpr std::array<const char*, kDocumentTypeCount> kKeys = {
        "PricelistCorrespondence", "MediaCorrespondence",    "OfficeCorrespondence",    "DigitCorrespondence",
        "MapsCorrespondence",      "SuppliesCorrespondence", "PhilatelyCorrespondence", "NumizmatCorrespondence",
        "CalendarCorrespondence",  "InvoiceCorrespondence",
    };
    RequireDocumentType(type, "GetCorrespondenceParamName");
    return kKeys[type];
}
