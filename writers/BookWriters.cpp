#include "writers/BookWriters.h"

#include "base/Utf8Text.h"
#include "writers/ONIXChecks.h"
#include "writers/ONIXErrorChannel.h"
#include "writers/ONIXNodes.h"
#include "writers/WriterTexts.h"

namespace ONIXFunctions::Product {

namespace {

TXMLNode DescriptiveDetail(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, product, "DescriptiveDetail");
}

TXMLNode PublishingDetail(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, product, "PublishingDetail");
}

TXMLNode CollateralDetail(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, product, "CollateralDetail");
}

// TitleDetail: TitleType "01", TitleElement: level, then the texts given.
void AddTitleDetail(TXMLDocument& doc, TXMLNode parent, const std::string& level, const std::string& title,
                    const std::string& subtitle)
{
    const TXMLNode titleDetail = doc.AddElement(parent, "TitleDetail", "");
    doc.AddElement(titleDetail, "TitleType", "01");
    const TXMLNode element = doc.AddElement(titleDetail, "TitleElement", "");
    doc.AddElement(element, "TitleElementLevel", level);
    if (!title.empty()) doc.AddElement(element, "TitleText", title);
    if (!subtitle.empty()) doc.AddElement(element, "Subtitle", subtitle);
}

// The collection of type "10" that the series and the ISSN share.
TXMLNode SeriesCollection(TXMLDocument& doc, TXMLNode product)
{
    const TXMLNode detail = DescriptiveDetail(doc, product);
    TXMLNode collection = FindNodeByChildText(doc, detail, "Collection", "CollectionType", "10");
    if (!collection) {
        collection = doc.AddElement(detail, "Collection", "");
        doc.AddElement(collection, "CollectionType", "10");
    }
    return collection;
}

} // namespace

void RecordReference(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) {
        ReportONIXError(QRNConsts::sNoRecordReference);
        return;
    }
    doc.AddElement(product, "RecordReference", text);
}

void NotificationType(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (!text.empty()) doc.AddElement(product, "NotificationType", text);
}

void EAN13(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    const std::string value = Trim(text);
    if (value.empty()) return;
    ReportONIXError(CheckEAN13(value));
    AddCodedNode(doc, product, "ProductIdentifier", "ProductIDType", "03", "IDValue", value);
}

void ISBN(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    const std::string value = Trim(text);
    if (value.empty()) return;
    ReportONIXError(CheckISBN(value));
    const std::size_t significant = Utf8Length(RemoveHyphens(value));
    if (significant == 10) {
        AddCodedNode(doc, product, "ProductIdentifier", "ProductIDType", "02", "IDValue", value);
    } else if (significant == 13) {
        AddCodedNode(doc, product, "ProductIdentifier", "ProductIDType", "15", "IDValue", value);
    }
}

void Title(TXMLDocument& doc, TXMLNode product, const std::string& title, const std::string& subtitle)
{
    if (title.empty() && subtitle.empty()) return;
    AddTitleDetail(doc, DescriptiveDetail(doc, product), "01", title, subtitle);
}

void Series(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (!text.empty()) AddTitleDetail(doc, SeriesCollection(doc, product), "02", text, "");
}

void SubscriptionIndex(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode detail = DescriptiveDetail(doc, product);
    TXMLNode collection = FindNodeByChildText(doc, detail, "Collection", "CollectionIdentifier", "");
    if (!collection) {
        collection = doc.AddElement(detail, "Collection", "");
        doc.AddElement(collection, "CollectionIdentifier", "");
    }
    const TXMLNode identifier = doc.AddElement(collection, "CollectionIdentifier", "");
    doc.AddElement(identifier, "CollectionIDType", "01");
    doc.AddElement(identifier, "IDTypeName", "SUBSCRIPTION INDEX");
    doc.AddElement(identifier, "IDValue", text);
}

void Periodicity(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode detail = DescriptiveDetail(doc, product);
    TXMLNode collection = doc.FindNode(detail, "Collection");
    if (!collection) collection = doc.AddElement(detail, "Collection", "");
    doc.AddElement(collection, "Periodicity", text);
}

void ISSN(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    AddCodedNode(doc, SeriesCollection(doc, product), "CollectionIdentifier", "CollectionIDType", "02", "IDValue",
                 text);
}

void Publisher(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    AddCodedNode(doc, PublishingDetail(doc, product), "Publisher", "PublishingRole", "01", "PublisherName", text);
}

void PublicationDate(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    const std::string year = Trim(text);
    if (year.empty()) return;
    ReportONIXError(CheckPublicationYear(year));
    const TXMLNode date = doc.AddElement(PublishingDetail(doc, product), "PublishingDate", "");
    doc.AddElement(date, "PublishingDateRole", "12");
    doc.AddElement(date, "DateFormat", "05");
    doc.AddElement(date, "Date", year);
}

void InitialPrintRun(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode supply = FindOrAddNode(doc, product, "ProductSupply");
    doc.AddElement(doc.AddElement(supply, "MarketPublishingDetail", ""), "InitialPrintRun", text);
}

void ProductForm(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    std::string code = text;
    if (text == "в обл.") {
        code = "BC";
    } else if (text == "в пер.") {
        code = "BB";
    }
    doc.AddElement(DescriptiveDetail(doc, product), "ProductForm", code);
}

void ProductPackaging(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const std::string lower = LowerCase(text);
    std::string code = text;
    if (lower == "коробка") {
        code = "09";
    } else if (lower == "папка") {
        code = "14";
    } else if (lower == "футляр") {
        code = "10";
    }
    doc.AddElement(DescriptiveDetail(doc, product), "ProductPackaging", code);
}

void ProductFormDescription(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (!text.empty()) doc.AddElement(DescriptiveDetail(doc, product), "ProductFormDescription", "+" + text);
}

void CoverImage(TXMLDocument& doc, TXMLNode product, const std::string& text, int featureValue02, int featureValue03)
{
    if (text.empty()) return;
    const TXMLNode resource = doc.AddElement(CollateralDetail(doc, product), "SupportingResource", "");
    doc.AddElement(resource, "ResourceContentType", "01");
    doc.AddElement(resource, "ResourceMode", "03");
    const TXMLNode version = doc.AddElement(resource, "ResourceVersion", "");
    doc.AddElement(version, "ResourceForm", "02");
    AddCodedNode(doc, version, "ResourceVersionFeature", "ResourceVersionFeatureType", "02", "FeatureValue",
                 std::to_string(featureValue02));
    AddCodedNode(doc, version, "ResourceVersionFeature", "ResourceVersionFeatureType", "03", "FeatureValue",
                 std::to_string(featureValue03));
    doc.AddElement(version, "ResourceLink", text);
}

} // namespace ONIXFunctions::Product
