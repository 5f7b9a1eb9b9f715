#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/TempFolder.h"
#include "writers/TechnicalWriters.h"

namespace {

namespace Product = ONIXFunctions::Product;

using TextWriter = std::function<void(TXMLDocument&, TXMLNode, const std::string&)>;

// The look-alike names, spelled with their Cyrillic letters.
const std::string kScreenType = "S\xD1\x81reenType";
const std::string kCaseMaterial = "\xD0\xA1"
                                  "aseMaterial";
const std::string kMintMasterRole = "\xD0\x9C"
                                    "01";

// The Product of one price-list row.
struct ProductRow {
    std::string Xml() const { return doc.NodeXml(node); }

    TXMLDocument doc;
    TXMLNode root = doc.CreateRoot("KALMIRAMessage");
    TXMLNode node = doc.AddElement(root, "Product", "");
};

std::string InDetail(const std::string& children)
{
    return "<Product><DescriptiveDetail>" + children + "</DescriptiveDetail></Product>";
}

struct DetailCase {
    TextWriter writer;
    std::string element;
};

TEST(DetailElements, EachFieldWritesItsElementUnchanged)
{
    const DetailCase cases[] = {
        {Product::Warranty, "Warranty"},
        {Product::Model, "Model"},
        {Product::Color, "Color"},
        {Product::OperatingSystem, "OperatingSystem"},
        {Product::ProcessorDescriptive, "ProcessorDescriptive"},
        {Product::StorageCapacity, "StorageCapacity"},
        {Product::ReadSpeed, "ReadSpeed"},
        {Product::WriteSpeed, "WriteSpeed"},
        {Product::FormatSupported, "FormatSupported"},
        {Product::WiFi, "WiFi"},
        {Product::Network, "Network"},
        {Product::Bluetooth, "Bluetooth"},
        {Product::NavigationSystem, "NavigationSystem"},
        {Product::BatteryVolume, "BatteryVolume"},
        {Product::BatteryLife, "BatteryLife"},
        {Product::CaseMaterial, kCaseMaterial},
        {Product::Suitableforusewith, "Suitableforusewith"},
        {Product::PartNumber, "PartNumber"},
        {Product::StampType, "StampType"},
        {Product::PrintMethod, "PrintMethod"},
        {Product::Perforation, "Perforation"},
        {Product::Watermark, "Watermark"},
        {Product::Paper, "Paper"},
        {Product::Raster, "Raster"},
        {Product::Illustration, "Illustration"},
        {Product::CityOfUse, "CityOfUse"},
        {Product::Theme, "Theme"},
        {Product::KeyWords, "KeyWords"},
        {Product::Denomination, "Denomination"},
        {Product::Ruler, "Ruler"},
        {Product::Preserved, "Preserved"},
        {Product::CoinQuality, "CoinQuality"},
        {Product::Obverse, "Obverse"},
        {Product::Reverse, "Reverse"},
        {Product::CertificateCoin, "Certificate"},
        {Product::Metal, "Metal"},
        {Product::Mint, "Mint"},
        {Product::Edge, "Edge"},
        {Product::CoinGrading, "CoinGrading"},
    };
    for (const DetailCase& c : cases) {
        ProductRow row;
        c.writer(row.doc, row.node, " 12 ГБ ");
        c.writer(row.doc, row.node, "");
        c.writer(row.doc, row.node, "серый");
        EXPECT_EQ(row.Xml(), InDetail("<" + c.element + "> 12 ГБ </" + c.element + "><" + c.element + ">серый</"
                                      + c.element + ">"))
            << c.element;

        ProductRow empty;
        c.writer(empty.doc, empty.node, "");
        EXPECT_EQ(empty.Xml(), "<Product/>") << c.element;
    }
}

TEST(DetailElements, CertificateAndDecorWriteNothing)
{
    ProductRow row;
    Product::Certificate(row.doc, row.node, "РОСС RU.0001");
    Product::Decor(row.doc, row.node, "золото");
    EXPECT_EQ(row.Xml(), "<Product/>");
}

TEST(Groups, StorageGathersItsMembersAroundOtherDetails)
{
    ProductRow row;
    Product::Model(row.doc, row.node, "X1");
    Product::Ram(row.doc, row.node, "4 ГБ");
    Product::InternalStorage(row.doc, row.node, "64 ГБ");
    Product::StorageCapacity(row.doc, row.node, "1 ТБ");
    Product::MemoryCard(row.doc, row.node, "microSD");
    Product::MemoryCardCapacity(row.doc, row.node, "256 ГБ");
    EXPECT_EQ(row.Xml(), InDetail("<Model>X1</Model><Storage><Ram>4 ГБ</Ram><InternalStorage>64 ГБ</InternalStorage>"
                                  "<MemoryCard>microSD</MemoryCard><MemoryCardCapacity>256 ГБ</MemoryCardCapacity>"
                                  "</Storage><StorageCapacity>1 ТБ</StorageCapacity>"));
}

TEST(Groups, ScreenHoldsResolutionSizeScreenTypeAndSensorType)
{
    ProductRow row;
    Product::Resolution(row.doc, row.node, "1920x1080");
    Product::ScreenSize(row.doc, row.node, "6,1\"");
    Product::ScreenType(row.doc, row.node, "IPS");
    Product::SensorType(row.doc, row.node, "ёмкостный");
    EXPECT_EQ(row.Xml(), InDetail("<Screen><Resolution>1920x1080</Resolution><Size>6,1\"</Size><" + kScreenType
                                  + ">IPS</" + kScreenType + "><Type>ёмкостный</Type></Screen>"));
}

TEST(Groups, CameraHoldsRearAndFront)
{
    ProductRow row;
    Product::FrontCamera(row.doc, row.node, "8 Мп");
    Product::RearCamera(row.doc, row.node, "");
    Product::RearCamera(row.doc, row.node, "12 Мп");
    EXPECT_EQ(row.Xml(), InDetail("<Camera><FrontCamera>8 Мп</FrontCamera><RearCamera>12 Мп</RearCamera></Camera>"));
}

TEST(Groups, EmptyMembersCreateNoGroup)
{
    ProductRow row;
    for (const TextWriter& writer : {TextWriter(Product::Ram), TextWriter(Product::Resolution),
                                     TextWriter(Product::ScreenType), TextWriter(Product::FrontCamera)})
        writer(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), "<Product/>");
}

TEST(Trademark, ImprintBelowPublishingDetailWhereverItFirstStands)
{
    ProductRow row;
    Product::Trademark(row.doc, row.node, "Erich Krause");
    Product::Color(row.doc, row.node, "синий");
    Product::Trademark(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), "<Product><PublishingDetail><Imprint><BrandName>Erich Krause</BrandName></Imprint>"
                         "</PublishingDetail><DescriptiveDetail><Color>синий</Color></DescriptiveDetail></Product>");
}

TEST(Used, OnlyALowerCaseVMarksAStampUsed)
{
    const struct {
        const char* cell;
        const char* xml;
    } cases[] = {
        {"v", "<Product><DescriptiveDetail><Used/></DescriptiveDetail></Product>"},
        {"V", "<Product/>"},
        {"v ", "<Product/>"},
        {" v", "<Product/>"},
        {"да", "<Product/>"},
        {"", "<Product/>"},
    };
    for (const auto& c : cases) {
        ProductRow row;
        Product::Used(row.doc, row.node, c.cell);
        EXPECT_EQ(row.Xml(), c.xml) << "[" << c.cell << "]";
    }
}

TEST(CatalogueNumbers, EachCatalogueIsASubjectOfScheme24)
{
    const struct {
        TextWriter writer;
        const char* scheme;
    } cases[] = {
        {Product::STANDART, "STANDART"},
        {Product::MICHEL, "MICHEL"},
        {Product::CFA, "CFA"},
        {Product::ITC_MARKA, "ITC_MARKA"},
        {Product::SCOTT, "SCOTT"},
        {Product::YVERT, "YVERT"},
        {Product::STANLEY_GIBBONS, "STANLEY_GIBBONS"},
        {Product::Centrobank, "CENTROBANK"},
        {Product::Morvel, "MORVEL"},
        {Product::Tarnovik, "TARNOVIK"},
        {Product::Krauze, "KRAUZE"},
        {Product::Conros, "CONROS"},
        {Product::Utk, "UTK"},
    };
    for (const auto& c : cases) {
        ProductRow row;
        c.writer(row.doc, row.node, "");
        c.writer(row.doc, row.node, "№ 1234");
        EXPECT_EQ(row.Xml(), InDetail(std::string("<Subject><SubjectSchemeIdentifier>24</SubjectSchemeIdentifier>"
                                                  "<SubjectSchemeName>")
                                      + c.scheme + "</SubjectSchemeName><SubjectCode>№ 1234</SubjectCode></Subject>"))
            << c.scheme;
    }
}

TEST(CatalogueNumbers, KrauzeBeforeConros)
{
    ProductRow row;
    Product::Krauze(row.doc, row.node, "KM# 123");
    Product::Conros(row.doc, row.node, "45/6");
    EXPECT_EQ(row.Xml(), InDetail("<Subject><SubjectSchemeIdentifier>24</SubjectSchemeIdentifier>"
                                  "<SubjectSchemeName>KRAUZE</SubjectSchemeName><SubjectCode>KM# 123</SubjectCode>"
                                  "</Subject><Subject><SubjectSchemeIdentifier>24</SubjectSchemeIdentifier>"
                                  "<SubjectSchemeName>CONROS</SubjectSchemeName><SubjectCode>45/6</SubjectCode>"
                                  "</Subject>"));
}

TEST(Measures, StampAndCoinSizes)
{
    const struct {
        TextWriter writer;
        const char* cell;
        const char* type;
        const char* unit;
    } cases[] = {
        {Product::Heightmm, "30", "01", "mm"},    {Product::Widthmm, "40", "02", "mm"},
        {Product::Diameter, "25", "12", "mm"},    {Product::HightCoin, "2,5", "01", "mm"},
        {Product::WidthCoin, "20", "02", "mm"},   {Product::ThinCoin, "1,8", "03", "mm"},
        {Product::WeightCoin, "8,5", "08", "gr"},
    };
    for (const auto& c : cases) {
        ProductRow row;
        c.writer(row.doc, row.node, "");
        c.writer(row.doc, row.node, c.cell);
        EXPECT_EQ(row.Xml(),
                  InDetail(std::string("<Measure><MeasureType>") + c.type + "</MeasureType><Measurement>" + c.cell
                           + "</Measurement><MeasureUnitCode>" + c.unit + "</MeasureUnitCode></Measure>"))
            << c.type;
    }
}

TEST(Stamps, SeriesCountIsAProductPartWithoutForm)
{
    ProductRow row;
    Product::NumberOfItemsOfThisForm(row.doc, row.node, "4");
    Product::NumberOfItemsOfThisForm(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), InDetail("<ProductPart><NumberOfItemsOfThisForm>4</NumberOfItemsOfThisForm></ProductPart>"));
}

TEST(Stamps, IssueDateIsWrittenAsTyped)
{
    ProductRow row;
    Product::PublishingDateFull(row.doc, row.node, "");
    Product::PublishingDateFull(row.doc, row.node, "12.04.1961");
    EXPECT_EQ(row.Xml(), "<Product><PublishingDetail><PublishingDate><PublishingDateRole>01</PublishingDateRole>"
                         "<DateFormat>12</DateFormat><Date>12.04.1961</Date></PublishingDate></PublishingDetail>"
                         "</Product>");
}

TEST(CoinContributors, ArtistAndMintMasterWithoutSequenceNumbers)
{
    ProductRow row;
    Product::Painter(row.doc, row.node, " Кузнецов ");
    Product::PainterInit(row.doc, row.node, "А.В.");
    Product::Mincmeister(row.doc, row.node, "Иванов");
    Product::MincmeisterInit(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), InDetail("<Contributor><ContributorRole>A07</ContributorRole><KeyNames> Кузнецов </KeyNames>"
                                  "<NamesBeforeKey>А.В.</NamesBeforeKey></Contributor>"
                                  "<Contributor><ContributorRole>"
                                  + kMintMasterRole + "</ContributorRole><KeyNames>Иванов</KeyNames></Contributor>"));
}

TEST(CoinContributors, InitialsWithoutASurnameAreDropped)
{
    ProductRow row;
    Product::Painter(row.doc, row.node, "");
    Product::PainterInit(row.doc, row.node, "А.В.");
    Product::MincmeisterInit(row.doc, row.node, "П.П.");
    EXPECT_EQ(row.Xml(), "<Product><DescriptiveDetail/></Product>");
}

TEST(CoinContributors, InitialsGoToTheirOwnRole)
{
    ProductRow row;
    Product::Mincmeister(row.doc, row.node, "Петров");
    Product::PainterInit(row.doc, row.node, "А.В.");
    Product::MincmeisterInit(row.doc, row.node, "П.П.");
    EXPECT_EQ(row.Xml(), InDetail("<Contributor><ContributorRole>" + kMintMasterRole
                                  + "</ContributorRole><KeyNames>Петров</KeyNames><NamesBeforeKey>П.П.</NamesBeforeKey>"
                                    "</Contributor>"));
}

TEST(DigitalEditions, DeveloperAndDownloadSizeBelowPublishingDetail)
{
    ProductRow row;
    Product::Developer(row.doc, row.node, "1С");
    Product::DownloadSize(row.doc, row.node, "");
    Product::DownloadSize(row.doc, row.node, "2,5 ГБ");
    EXPECT_EQ(row.Xml(), "<Product><PublishingDetail><Developer>1С</Developer><DownloadSize>2,5 ГБ</DownloadSize>"
                         "</PublishingDetail></Product>");
}

TEST(CyrillicLookAlikes, SavedFileHoldsTheirWindows1251Bytes)
{
    TempFolder folder;
    const std::string path = folder.File("goods.xml");
    {
        ProductRow row;
        Product::ScreenType(row.doc, row.node, "AMOLED");
        Product::CaseMaterial(row.doc, row.node, "metal");
        Product::Mincmeister(row.doc, row.node, "Smith");
        row.doc.SaveDocument(path);
    }
    const std::string bytes = ReadFileBytes(path);
    EXPECT_NE(bytes.find("<S\xF1reenType>AMOLED</S\xF1reenType>"), std::string::npos);
    EXPECT_NE(bytes.find("<\xD1"
                         "aseMaterial>metal</\xD1"
                         "aseMaterial>"),
              std::string::npos);
    EXPECT_NE(bytes.find("<ContributorRole>\xCC"
                         "01</ContributorRole>"),
              std::string::npos);
    // No Latin spelling slipped in beside them.
    EXPECT_EQ(bytes.find("ScreenType"), std::string::npos);
    EXPECT_EQ(bytes.find("<CaseMaterial"), std::string::npos);
    EXPECT_EQ(bytes.find(">M01<"), std::string::npos);
}

} // namespace
