#pragma once

#include <string>

#include "xml/TXMLDocument.h"

// The goods' and stamps' fields that are not one of the field table's shapes.
// Nothing is checked or reported.
namespace ONIXFunctions::Product {

// A new Imprint/BrandName below PublishingDetail.
void Trademark(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Stamps. A new ProductPart per call, holding only the count.
void NumberOfItemsOfThisForm(TXMLDocument& doc, TXMLNode product, const std::string& text);
// An empty Used element, only for the mark "v" exactly.
void Used(TXMLDocument& doc, TXMLNode product, const std::string& text);

} // namespace ONIXFunctions::Product
