#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The kinds of document, in the order of the document-type list of step 1:
// nine price lists of the kinds of goods, and the invoice. A value comes from
// a list index or a command-line parameter, checked once where it enters
// (DocumentTypeAt), so every type the program holds is one of these.
enum class TDocumentType : std::uint8_t {
    Books,
    Media,
    Stationery,
    DigitalDevices,
    Maps,
    Consumables,
    Philately,
    Numismatics,
    Calendars,
    Invoice,
};

inline constexpr TDocumentType kInvoiceType = TDocumentType::Invoice;
inline constexpr int kDocumentTypeCount = 10;

// The type's index in the document-type list, 0 to 9.
constexpr int IndexOf(TDocumentType type)
{
    return static_cast<int>(type);
}

// The type at that index of the list; none outside 0 to 9.
constexpr std::optional<TDocumentType> DocumentTypeAt(long long index)
{
    if (index < 0 || index >= kDocumentTypeCount) return std::nullopt;
    return static_cast<TDocumentType>(index);
}

// The caption of the type in the document-type list.
std::string DocumentTypeCaption(TDocumentType type);
