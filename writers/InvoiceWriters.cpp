#include "writers/InvoiceWriters.h"

#include "base/NumberText.h"

#include "base/Regional.h"

namespace ONIXFunctions::Invoice {

namespace {

void AddText(TXMLDocument& doc, TXMLNode position, const std::string& name, const std::string& text)
{
    if (!text.empty()) doc.AddElement(position, name, text);
}

void AddNumber(TXMLDocument& doc, TXMLNode position, const std::string& name, long double value)
{
    if (value != 0) doc.AddElement(position, name, ActiveRegional().FormatNumber(value));
}

// Amounts of money never in exponent notation.
void AddAmount(TXMLDocument& doc, TXMLNode position, const std::string& name, long double value)
{
    if (value != 0) doc.AddElement(position, name, FormatFixedNumber(value, ActiveRegional().decimalSeparator));
}

} // namespace

void RecordReference(TXMLDocument& doc, TXMLNode position, const std::string& text)
{
    AddText(doc, position, "RecordReference", text);
}

void EAN13(TXMLDocument& doc, TXMLNode position, const std::string& text)
{
    AddText(doc, position, "EAN13", text);
}

void ISBN(TXMLDocument& doc, TXMLNode position, const std::string& text)
{
    AddText(doc, position, "ISBN", text);
}

void ProductName(TXMLDocument& doc, TXMLNode position, const std::string& text)
{
    AddText(doc, position, "ProductName", text);
}

void GTDNo(TXMLDocument& doc, TXMLNode position, const std::string& text)
{
    AddText(doc, position, "GTDNo", text);
}

void CountryCode(TXMLDocument& doc, TXMLNode position, const std::string& text)
{
    AddText(doc, position, "CountryCode", text);
}

void CountryName(TXMLDocument& doc, TXMLNode position, const std::string& text)
{
    AddText(doc, position, "CountryName", text);
}

void Amount(TXMLDocument& doc, TXMLNode position, long double value)
{
    AddNumber(doc, position, "Amount", value);
}

void Price(TXMLDocument& doc, TXMLNode position, long double value)
{
    AddAmount(doc, position, "Price", value);
}

void RecommendedPrice(TXMLDocument& doc, TXMLNode position, long double value)
{
    AddAmount(doc, position, "RecommendedPrice", value);
}

void VAT(TXMLDocument& doc, TXMLNode position, long double rate)
{
    if (rate == 0) return;
    const TXMLNode tax = doc.AddElement(position, "Tax", "");
    doc.AddElement(tax, "TaxType", "VAT");
    doc.AddElement(tax, "Rate", ActiveRegional().FormatNumber(rate));
}

void PackQuantity(TXMLDocument& doc, TXMLNode position, long double value)
{
    AddNumber(doc, position, "PackQuantity", value);
}

} // namespace ONIXFunctions::Invoice
