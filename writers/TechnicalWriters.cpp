#include "writers/TechnicalWriters.h"

#include "writers/ONIXNodes.h"

namespace ONIXFunctions::Product {

namespace {

TXMLNode DescriptiveDetailOf(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, product, "DescriptiveDetail");
}

} // namespace

void Trademark(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode imprint = doc.AddElement(FindOrAddNode(doc, product, "PublishingDetail"), "Imprint", "");
    doc.AddElement(imprint, "BrandName", text);
}

void NumberOfItemsOfThisForm(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode part = doc.AddElement(DescriptiveDetailOf(doc, product), "ProductPart", "");
    doc.AddElement(part, "NumberOfItemsOfThisForm", text);
}

// The column holds a tick mark; anything but a lower-case "v" means unused.
void Used(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text == "v") doc.AddElement(DescriptiveDetailOf(doc, product), "Used", "");
}

} // namespace ONIXFunctions::Product
