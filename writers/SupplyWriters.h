#pragma once

#include <string>

#include "xml/TXMLDocument.h"

// The supply part of a price-list product: everything goes into one
// ProductSupply/SupplyDetail, whose Supplier stands first. Numbers are
// written with a decimal point whatever the regional separator
// (FormatDecimalPoint); nothing is checked or reported.
namespace ONIXFunctions::Product {

void ProductAvailability(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Nothing when price, discount and VAT rate are all 0 (a list price alone
// does not count). Otherwise the list price with its tax and the price after
// discount are both written in full, zeros included; Discount only when the
// discount is not 0.
void Price(TXMLDocument& doc, TXMLNode product, long double price01, long double price, long double discount,
           long double vat);

// Both write nothing for 0.
void OnHand(TXMLDocument& doc, TXMLNode product, long double onHand);
void PackQuantity(TXMLDocument& doc, TXMLNode product, long double packQuantity);

} // namespace ONIXFunctions::Product
