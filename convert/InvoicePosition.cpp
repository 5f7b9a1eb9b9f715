#include "convert/InvoicePosition.h"

#include "writers/InvoiceWriters.h"

namespace {

namespace I = ONIXFunctions::Invoice;

using TextWriter = void (*)(TXMLDocument&, TXMLNode, const std::string&);
using NumberWriter = void (*)(TXMLDocument&, TXMLNode, long double);

// How a number is read: a count that does not read is 0; a price that does
// not read, or a negative rate, is an error, and the position goes without it.
enum class NumberKind { Count, Price, Rate };

struct PositionField {
    const char* fieldID;
    TextWriter text;
    NumberWriter number;
    NumberKind kind = NumberKind::Count;
};

// The children of a Position in their order; VAT comes before PackQuantity,
// unlike the field list of step 2. The sale place of the field list has no
// element and is never read.
const std::array<PositionField, 12> kPositionFields{{
    {"RecordReference", I::RecordReference, nullptr},
    {"EAN13", I::EAN13, nullptr},
    {"ISBN", I::ISBN, nullptr},
    {"ProductName", I::ProductName, nullptr},
    {"Amount", nullptr, I::Amount},
    {"Price", nullptr, I::Price, NumberKind::Price},
    {"RecommendedPrice", nullptr, I::RecommendedPrice, NumberKind::Price},
    {"VAT", nullptr, I::VAT, NumberKind::Rate},
    {"PackQuantity", nullptr, I::PackQuantity},
    {"GTDNo", I::GTDNo, nullptr},
    {"CountryCode", I::CountryCode, nullptr},
    {"CountryName", I::CountryName, nullptr},
}};

} // namespace

InvoicePositionWriter::InvoicePositionWriter(const RunInputs& inputs, const FieldColumns& fields)
    : regional_(inputs.regional)
{
    static_assert(kPositionFields.size() == kFieldCount);
    for (std::size_t i = 0; i < kFieldCount; ++i) columns_[i] = fields.Of(kPositionFields[i].fieldID);
}

void InvoicePositionWriter::Write(TXMLDocument& doc, TXMLNode position, const SheetRow& row,
                                  RowErrorHandler& rowErrors) const
{
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        const std::string text = GetInvoiceFieldValue(row, columns_[f]);
        const PositionField& field = kPositionFields[f];
        if (field.text) {
            field.text(doc, position, rowErrors.repeatedCodes.CodeOf(text, field.fieldID, row.Number()));
            continue;
        }
        std::optional<long double> number;
        switch (field.kind) {
        case NumberKind::Count: number = rowErrors.ReadCount(text, columns_[f], regional_); break;
        case NumberKind::Price:
            number = rowErrors.ReadPrice(text, columns_[f], regional_, RowErrorHandler::PriceKind::Amount);
            break;
        case NumberKind::Rate: number = rowErrors.ReadRate(text, columns_[f], regional_); break;
        }
        if (number) field.number(doc, position, *number);
    }
}
