#include "writers/FieldWriter.h"

#include "writers/BookWriters.h"
#include "writers/MediaWriters.h"
#include "writers/ONIXNodes.h"
#include "writers/TechnicalWriters.h"

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

// Unlike the book contributors, coin contributors carry no SequenceNumber and
// keep the surname as typed.
void AddCoinContributor(TXMLDocument& doc, TXMLNode product, const std::string& role, const std::string& keyNames)
{
    const TXMLNode contributor = doc.AddElement(DescriptiveDetail(doc, product), "Contributor", "");
    doc.AddElement(contributor, "ContributorRole", role);
    doc.AddElement(contributor, "KeyNames", keyNames);
}

// The initials join the first contributor of the role; the run writes the
// surname just before, so that is the one of this row. Initials without a
// surname are dropped.
void AddCoinContributorInitials(TXMLDocument& doc, TXMLNode product, const std::string& role,
                                const std::string& initials)
{
    // Taken like every coin field's container, even when no surname turns up.
    DescriptiveDetail(doc, product);
    const TXMLNode contributor =
        FindSubNodeByChildText(doc, product, "DescriptiveDetail", "Contributor", "ContributorRole", role);
    if (contributor) doc.AddElement(contributor, "NamesBeforeKey", initials);
}

// A plain date of the publishing detail, written as typed.
void AddPublishingDate(TXMLDocument& doc, TXMLNode product, const std::string& role, const std::string& format,
                       const std::string& date)
{
    const TXMLNode element = doc.AddElement(PublishingDetail(doc, product), "PublishingDate", "");
    doc.AddElement(element, "PublishingDateRole", role);
    doc.AddElement(element, "DateFormat", format);
    doc.AddElement(element, "Date", date);
}

// An age is written without the "+" that follows it ("16+" is 16); a text
// with another "+" stays as typed.
void AddAudienceRange(TXMLDocument& doc, TXMLNode product, const std::string& qualifier, const std::string& precision,
                      const std::string& text)
{
    std::string value = text;
    if (value.find('+') == value.size() - 1) value.pop_back();
    // DescriptiveDetail is taken even for a lone "+", as the product record
    // has always done; only the range itself needs a value.
    AddAudienceRangeNode(doc, DescriptiveDetail(doc, product), qualifier, precision, value);
}

void AddTextContent(TXMLDocument& doc, TXMLNode product, const std::string& textType, const std::string& text)
{
    const TXMLNode content = doc.AddElement(FindOrAddNode(doc, product, "CollateralDetail"), "TextContent", "");
    doc.AddElement(content, "TextType", textType);
    doc.AddElement(content, "ContentAudience", "00");
    doc.AddElement(content, "Text", text);
}

void AddSalesRights(TXMLDocument& doc, TXMLNode product, const std::string& type, const std::string& areaElement,
                    const std::string& area)
{
    const TXMLNode rights = doc.AddElement(PublishingDetail(doc, product), "SalesRights", "");
    doc.AddElement(rights, "SalesRightsType", type);
    doc.AddElement(rights, areaElement, area);
}

void WriteOwn(TXMLDocument& doc, TXMLNode product, OwnWriter writer, const std::string& text,
              const std::string& pairText)
{
    switch (writer) {
    case OwnWriter::None: break;
    case OwnWriter::RecordReference: RecordReference(doc, product, text); break;
    case OwnWriter::NotificationType: NotificationType(doc, product, text); break;
    case OwnWriter::EAN13: EAN13(doc, product, text); break;
    case OwnWriter::ISBN: ISBN(doc, product, text); break;
    case OwnWriter::Title: Title(doc, product, text, pairText); break;
    case OwnWriter::Series: Series(doc, product, text); break;
    case OwnWriter::SubscriptionIndex: SubscriptionIndex(doc, product, text); break;
    case OwnWriter::Periodicity: Periodicity(doc, product, text); break;
    case OwnWriter::ISSN: ISSN(doc, product, text); break;
    case OwnWriter::Publisher: Publisher(doc, product, text); break;
    case OwnWriter::PublicationDate: PublicationDate(doc, product, text); break;
    case OwnWriter::InitialPrintRun: InitialPrintRun(doc, product, text); break;
    case OwnWriter::ProductForm: ProductForm(doc, product, text); break;
    case OwnWriter::ProductPackaging: ProductPackaging(doc, product, text); break;
    case OwnWriter::ProductFormDescription: ProductFormDescription(doc, product, text); break;
    case OwnWriter::CoverImage: CoverImage(doc, product, text, 0, 0); break;
    case OwnWriter::CoverDetail: CoverDetail(doc, product, text); break;
    case OwnWriter::ProduceCompanyName: ProduceCompanyName(doc, product, text); break;
    case OwnWriter::DVDRegionCode: DVDRegionCode(doc, product, text); break;
    case OwnWriter::VideoProportion: VideoProportion(doc, product, text); break;
    case OwnWriter::DigitalFormat: DigitalFormat(doc, product, text); break;
    case OwnWriter::Super: Super(doc, product, text); break;
    case OwnWriter::SoundTrackType: SoundTrackType(doc, product, text); break;
    case OwnWriter::Distributor: Distributor(doc, product, text); break;
    case OwnWriter::NumberOfPieces: NumberOfPieces(doc, product, text); break;
    case OwnWriter::OriginalName: OriginalName(doc, product, text); break;
    case OwnWriter::Trademark: Trademark(doc, product, text); break;
    case OwnWriter::NumberOfItemsOfThisForm: NumberOfItemsOfThisForm(doc, product, text); break;
    case OwnWriter::Used: Used(doc, product, text); break;
    }
}

} // namespace

void WriteField(TXMLDocument& doc, TXMLNode product, const FieldWriting& writing, const std::string& text,
                const std::string& pairText)
{
    using Shape = FieldShape;
    if (writing.shape == Shape::OwnWriter) return WriteOwn(doc, product, writing.writer, text, pairText);
    // The pair's cell alone makes a contributor; every other shape needs its own.
    if (writing.shape == Shape::ContributorPair) return AddContributorNode(doc, product, writing.code, text, pairText);
    if (text.empty()) return;
    switch (writing.shape) {
    case Shape::ReadElsewhere:
    case Shape::OwnWriter:
    case Shape::ContributorPair:
    case Shape::TypeProductForm: break;
    case Shape::DetailElement: doc.AddElement(DescriptiveDetail(doc, product), writing.name, text); break;
    case Shape::GroupMember:
        doc.AddElement(FindOrAddNode(doc, DescriptiveDetail(doc, product), writing.code), writing.name, text);
        break;
    case Shape::PublishingElement: doc.AddElement(PublishingDetail(doc, product), writing.name, text); break;
    case Shape::CopyrightElement:
        doc.AddElement(FindOrAddNode(doc, PublishingDetail(doc, product), "CopyrightStatement"), writing.name, text);
        break;
    case Shape::Subject: AddSubjectNode(doc, DescriptiveDetail(doc, product), writing.code, writing.name, text); break;
    case Shape::Measure: AddMeasureNode(doc, product, writing.code, text, writing.name); break;
    case Shape::Extent: AddExtentNode(doc, DescriptiveDetail(doc, product), writing.code, text, writing.name); break;
    case Shape::Language: AddLanguageNode(doc, product, writing.code, text); break;
    case Shape::Contributor: AddContributorNode(doc, product, writing.code, text, ""); break;
    case Shape::CoinContributor: AddCoinContributor(doc, product, writing.code, text); break;
    case Shape::CoinContributorInitials: AddCoinContributorInitials(doc, product, writing.code, text); break;
    case Shape::TextContent: AddTextContent(doc, product, writing.code, text); break;
    case Shape::SalesRights: AddSalesRights(doc, product, writing.code, writing.name, text); break;
    case Shape::PublishingDate: AddPublishingDate(doc, product, writing.code, writing.name, text); break;
    case Shape::AudienceRange: AddAudienceRange(doc, product, writing.code, writing.name, text); break;
    }
}

} // namespace ONIXFunctions::Product
