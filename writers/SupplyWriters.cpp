#include "writers/SupplyWriters.h"

#include "writers/ONIXChecks.h"
#include "writers/ONIXNodes.h"

namespace ONIXFunctions::Product {

namespace {

TXMLNode SupplyDetail(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, FindOrAddNode(doc, product, "ProductSupply"), "SupplyDetail");
}

} // namespace

void ProductAvailability(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (!text.empty()) doc.AddElement(SupplyDetail(doc, product), "ProductAvailability", text);
}

void Price(TXMLDocument& doc, TXMLNode product, long double price01, long double price, long double discount,
           long double vat)
{
    if (price == 0 && discount == 0 && vat == 0) return;
    const TXMLNode detail = SupplyDetail(doc, product);

    const TXMLNode listPrice = doc.AddElement(detail, "Price", "");
    doc.AddElement(listPrice, "PriceType", "01");
    doc.AddElement(listPrice, "PriceAmount", FormatFixedPoint(price01));
    AddCodedNode(doc, listPrice, "Tax", "TaxType", "01", "TaxRatePercent", FormatDecimalPoint(vat));

    const TXMLNode discounted = doc.AddElement(detail, "Price", "");
    doc.AddElement(discounted, "PriceType", "05");
    doc.AddElement(discounted, "PriceAmount", FormatFixedPoint(price));
    if (discount != 0) {
        doc.AddElement(doc.AddElement(discounted, "Discount", ""), "DiscountPercent", FormatDecimalPoint(discount));
    }
}

void OnHand(TXMLDocument& doc, TXMLNode product, long double onHand)
{
    if (onHand == 0) return;
    doc.AddElement(doc.AddElement(SupplyDetail(doc, product), "Stock", ""), "OnHand", FormatDecimalPoint(onHand));
}

void PackQuantity(TXMLDocument& doc, TXMLNode product, long double packQuantity)
{
    if (packQuantity == 0) return;
    doc.AddElement(SupplyDetail(doc, product), "PackQuantity", FormatDecimalPoint(packQuantity));
}

} // namespace ONIXFunctions::Product
