#pragma once

#include <string>

#include "xml/TXMLDocument.h"

// The children of one invoice Position, one writer per field. Unlike the
// price-list writers they check nothing, report nothing and trim nothing: the
// buyer's accounting receives each value exactly as the workbook held it, and
// every call appends to the fresh Position of the current row.
namespace ONIXFunctions::Invoice {

// Text fields: nothing when the text is empty, otherwise the element with the
// text unchanged (blanks included).
void RecordReference(TXMLDocument& doc, TXMLNode position, const std::string& text);
void EAN13(TXMLDocument& doc, TXMLNode position, const std::string& text);
void ISBN(TXMLDocument& doc, TXMLNode position, const std::string& text);
void ProductName(TXMLDocument& doc, TXMLNode position, const std::string& text);
void GTDNo(TXMLDocument& doc, TXMLNode position, const std::string& text);
void CountryCode(TXMLDocument& doc, TXMLNode position, const std::string& text);
void CountryName(TXMLDocument& doc, TXMLNode position, const std::string& text);

// Number fields: nothing for 0, otherwise the general form with the active
// regional decimal separator (the one the cell was read with).
void Amount(TXMLDocument& doc, TXMLNode position, long double value);
void Price(TXMLDocument& doc, TXMLNode position, long double value);
void RecommendedPrice(TXMLDocument& doc, TXMLNode position, long double value);
// Tax: TaxType "VAT", then Rate.
void VAT(TXMLDocument& doc, TXMLNode position, long double rate);
void PackQuantity(TXMLDocument& doc, TXMLNode position, long double value);

} // namespace ONIXFunctions::Invoice
