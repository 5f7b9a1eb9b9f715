#include "writers/TechnicalWriters.h"

#include "writers/ONIXNodes.h"

namespace ONIXFunctions::Product {

namespace {

// Three names hold Cyrillic letters that look Latin. Receivers match them byte
// for byte, so they are spelled out as UTF-8 bytes rather than typed.
constexpr char kScreenTypeElement[] = "S\xD1\x81reenType"; // Cyrillic es, 2nd letter
constexpr char kCaseMaterialElement[] = "\xD0\xA1"
                                        "aseMaterial"; // Cyrillic capital Es
constexpr char kMintMasterRole[] = "\xD0\x9C"
                                   "01"; // Cyrillic capital Em
constexpr char kArtistRole[] = "A07";

TXMLNode DescriptiveDetailOf(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, product, "DescriptiveDetail");
}

void AddDetailElement(TXMLDocument& doc, TXMLNode product, const std::string& name, const std::string& text)
{
    if (!text.empty()) doc.AddElement(DescriptiveDetailOf(doc, product), name, text);
}

// Storage, Screen and Camera exist once per product and gather their members
// in calling order.
void AddGroupMember(TXMLDocument& doc, TXMLNode product, const std::string& group, const std::string& name,
                    const std::string& text)
{
    if (text.empty()) return;
    doc.AddElement(FindOrAddNode(doc, DescriptiveDetailOf(doc, product), group), name, text);
}

void AddPublishingElement(TXMLDocument& doc, TXMLNode product, const std::string& name, const std::string& text)
{
    if (!text.empty()) doc.AddElement(FindOrAddNode(doc, product, "PublishingDetail"), name, text);
}

void AddCatalogueNumber(TXMLDocument& doc, TXMLNode product, const std::string& catalogue, const std::string& number)
{
    if (!number.empty()) AddSubjectNode(doc, DescriptiveDetailOf(doc, product), "24", catalogue, number);
}

// Unlike the book contributors, coin contributors carry no SequenceNumber and
// keep the surname as typed.
void AddCoinContributor(TXMLDocument& doc, TXMLNode product, const std::string& role, const std::string& keyNames)
{
    if (keyNames.empty()) return;
    const TXMLNode contributor = doc.AddElement(DescriptiveDetailOf(doc, product), "Contributor", "");
    doc.AddElement(contributor, "ContributorRole", role);
    doc.AddElement(contributor, "KeyNames", keyNames);
}

// The initials join the first contributor of the role; the run writes the
// surname just before, so that is the one of this row.
void AddCoinContributorInitials(TXMLDocument& doc, TXMLNode product, const std::string& role,
                                const std::string& initials)
{
    if (initials.empty()) return;
    // Taken like every coin field's container, even when no surname turns up.
    DescriptiveDetailOf(doc, product);
    const TXMLNode contributor =
        FindSubNodeByChildText(doc, product, "DescriptiveDetail", "Contributor", "ContributorRole", role);
    if (contributor) doc.AddElement(contributor, "NamesBeforeKey", initials);
}

} // namespace

void Trademark(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode imprint = doc.AddElement(FindOrAddNode(doc, product, "PublishingDetail"), "Imprint", "");
    doc.AddElement(imprint, "BrandName", text);
}

void Certificate(TXMLDocument&, TXMLNode, const std::string&) {}

void Decor(TXMLDocument&, TXMLNode, const std::string&) {}

void Warranty(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Warranty", text);
}

void Model(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Model", text);
}

void Color(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Color", text);
}

void OperatingSystem(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "OperatingSystem", text);
}

void ProcessorDescriptive(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "ProcessorDescriptive", text);
}

void Ram(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Storage", "Ram", text);
}

void InternalStorage(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Storage", "InternalStorage", text);
}

void MemoryCard(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Storage", "MemoryCard", text);
}

void MemoryCardCapacity(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Storage", "MemoryCardCapacity", text);
}

void Resolution(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Screen", "Resolution", text);
}

void ScreenSize(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Screen", "Size", text);
}

void ScreenType(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Screen", kScreenTypeElement, text);
}

void SensorType(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Screen", "Type", text);
}

void StorageCapacity(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "StorageCapacity", text);
}

void ReadSpeed(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "ReadSpeed", text);
}

void WriteSpeed(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "WriteSpeed", text);
}

void FormatSupported(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "FormatSupported", text);
}

void WiFi(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "WiFi", text);
}

void Network(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Network", text);
}

void Bluetooth(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Bluetooth", text);
}

void NavigationSystem(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "NavigationSystem", text);
}

void RearCamera(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Camera", "RearCamera", text);
}

void FrontCamera(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddGroupMember(doc, product, "Camera", "FrontCamera", text);
}

void BatteryVolume(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "BatteryVolume", text);
}

void BatteryLife(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "BatteryLife", text);
}

void CaseMaterial(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, kCaseMaterialElement, text);
}

void Suitableforusewith(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Suitableforusewith", text);
}

void PartNumber(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "PartNumber", text);
}

void NumberOfItemsOfThisForm(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode part = doc.AddElement(DescriptiveDetailOf(doc, product), "ProductPart", "");
    doc.AddElement(part, "NumberOfItemsOfThisForm", text);
}

void StampType(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "StampType", text);
}

void STANDART(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "STANDART", text);
}

void MICHEL(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "MICHEL", text);
}

void CFA(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "CFA", text);
}

void ITC_MARKA(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "ITC_MARKA", text);
}

void SCOTT(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "SCOTT", text);
}

void YVERT(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "YVERT", text);
}

void STANLEY_GIBBONS(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "STANLEY_GIBBONS", text);
}

void PrintMethod(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "PrintMethod", text);
}

void Heightmm(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddMeasureNode(doc, product, "01", text, "mm");
}

void Widthmm(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddMeasureNode(doc, product, "02", text, "mm");
}

void Perforation(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Perforation", text);
}

void Watermark(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Watermark", text);
}

void Paper(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Paper", text);
}

void Raster(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Raster", text);
}

void Illustration(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Illustration", text);
}

// The column holds a tick mark; anything but a lower-case "v" means unused.
void Used(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text == "v") doc.AddElement(DescriptiveDetailOf(doc, product), "Used", "");
}

void CityOfUse(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "CityOfUse", text);
}

void Theme(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Theme", text);
}

void KeyWords(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "KeyWords", text);
}

void PublishingDateFull(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode date = doc.AddElement(FindOrAddNode(doc, product, "PublishingDetail"), "PublishingDate", "");
    doc.AddElement(date, "PublishingDateRole", "01");
    doc.AddElement(date, "DateFormat", "12");
    doc.AddElement(date, "Date", text);
}

void Denomination(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Denomination", text);
}

void Painter(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCoinContributor(doc, product, kArtistRole, text);
}

void PainterInit(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCoinContributorInitials(doc, product, kArtistRole, text);
}

void Mincmeister(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCoinContributor(doc, product, kMintMasterRole, text);
}

void MincmeisterInit(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCoinContributorInitials(doc, product, kMintMasterRole, text);
}

void Ruler(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Ruler", text);
}

void Diameter(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddMeasureNode(doc, product, "12", text, "mm");
}

void HightCoin(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddMeasureNode(doc, product, "01", text, "mm");
}

void WidthCoin(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddMeasureNode(doc, product, "02", text, "mm");
}

void ThinCoin(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddMeasureNode(doc, product, "03", text, "mm");
}

void WeightCoin(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddMeasureNode(doc, product, "08", text, "gr");
}

void Preserved(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Preserved", text);
}

void CoinQuality(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "CoinQuality", text);
}

void Centrobank(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "CENTROBANK", text);
}

void Morvel(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "MORVEL", text);
}

void Tarnovik(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "TARNOVIK", text);
}

void Krauze(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "KRAUZE", text);
}

void Conros(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "CONROS", text);
}

void Utk(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddCatalogueNumber(doc, product, "UTK", text);
}

void Obverse(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Obverse", text);
}

void Reverse(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Reverse", text);
}

void CertificateCoin(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Certificate", text);
}

void Metal(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Metal", text);
}

void Mint(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Mint", text);
}

void Edge(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "Edge", text);
}

void CoinGrading(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddDetailElement(doc, product, "CoinGrading", text);
}

void Developer(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddPublishingElement(doc, product, "Developer", text);
}

void DownloadSize(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    AddPublishingElement(doc, product, "DownloadSize", text);
}

} // namespace ONIXFunctions::Product
