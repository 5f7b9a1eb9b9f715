#include <gtest/gtest.h>

#include "FieldByID.h"

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

TEST(DetailElements, WriteTheirElementUnchanged)
{
    // One of each kind: an element named as its field, a Cyrillic look-alike,
    // and an element named otherwise.
    const DetailCase cases[] = {
        {Field("Warranty"), "Warranty"},
        {Field("CaseMaterial"), kCaseMaterial},
        {Field("CertificateCoin"), "Certificate"},
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

TEST(Groups, StorageGathersItsMembersAroundOtherDetails)
{
    ProductRow row;
    Field("Model")(row.doc, row.node, "X1");
    Field("Ram")(row.doc, row.node, "4 ГБ");
    Field("InternalStorage")(row.doc, row.node, "64 ГБ");
    Field("StorageCapacity")(row.doc, row.node, "1 ТБ");
    Field("MemoryCard")(row.doc, row.node, "microSD");
    Field("MemoryCardCapacity")(row.doc, row.node, "256 ГБ");
    EXPECT_EQ(row.Xml(), InDetail("<Model>X1</Model><Storage><Ram>4 ГБ</Ram><InternalStorage>64 ГБ</InternalStorage>"
                                  "<MemoryCard>microSD</MemoryCard><MemoryCardCapacity>256 ГБ</MemoryCardCapacity>"
                                  "</Storage><StorageCapacity>1 ТБ</StorageCapacity>"));
}

TEST(Groups, ScreenHoldsResolutionSizeScreenTypeAndSensorType)
{
    ProductRow row;
    Field("Resolution")(row.doc, row.node, "1920x1080");
    Field("ScreenSize")(row.doc, row.node, "6,1\"");
    Field(kScreenTypeFieldID)(row.doc, row.node, "IPS");
    Field("SensorType")(row.doc, row.node, "ёмкостный");
    EXPECT_EQ(row.Xml(), InDetail("<Screen><Resolution>1920x1080</Resolution><Size>6,1\"</Size><" + kScreenType
                                  + ">IPS</" + kScreenType + "><Type>ёмкостный</Type></Screen>"));
}

TEST(Groups, CameraHoldsRearAndFront)
{
    ProductRow row;
    Field("FrontCamera")(row.doc, row.node, "8 Мп");
    Field("RearCamera")(row.doc, row.node, "");
    Field("RearCamera")(row.doc, row.node, "12 Мп");
    EXPECT_EQ(row.Xml(), InDetail("<Camera><FrontCamera>8 Мп</FrontCamera><RearCamera>12 Мп</RearCamera></Camera>"));
}

TEST(Groups, EmptyMembersCreateNoGroup)
{
    ProductRow row;
    for (const TextWriter& writer :
         {Field("Ram"), Field("Resolution"), Field(kScreenTypeFieldID), Field("FrontCamera")})
        writer(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), "<Product/>");
}

TEST(Trademark, ImprintBelowPublishingDetailWhereverItFirstStands)
{
    ProductRow row;
    Product::Trademark(row.doc, row.node, "Erich Krause");
    Field("Color")(row.doc, row.node, "синий");
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

TEST(CatalogueNumbers, AreSubjectsOfScheme24)
{
    const struct {
        TextWriter writer;
        const char* scheme;
    } cases[] = {
        {Field("STANDART"), "STANDART"},
        {Field("Centrobank"), "CENTROBANK"},
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
    Field("Krauze")(row.doc, row.node, "KM# 123");
    Field("Conros")(row.doc, row.node, "45/6");
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
        {Field("Heightmm"), "30", "01", "mm"},
        {Field("WeightCoin"), "8,5", "08", "gr"},
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
    Field("PublishingDateFull")(row.doc, row.node, "");
    Field("PublishingDateFull")(row.doc, row.node, "12.04.1961");
    EXPECT_EQ(row.Xml(), "<Product><PublishingDetail><PublishingDate><PublishingDateRole>01</PublishingDateRole>"
                         "<DateFormat>12</DateFormat><Date>12.04.1961</Date></PublishingDate></PublishingDetail>"
                         "</Product>");
}

TEST(CoinContributors, ArtistAndMintMasterWithoutSequenceNumbers)
{
    ProductRow row;
    Field("Painter")(row.doc, row.node, " Кузнецов ");
    Field("PainterInit")(row.doc, row.node, "А.В.");
    Field("Mincmeister")(row.doc, row.node, "Иванов");
    Field("MincmeisterInit")(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), InDetail("<Contributor><ContributorRole>A07</ContributorRole><KeyNames> Кузнецов </KeyNames>"
                                  "<NamesBeforeKey>А.В.</NamesBeforeKey></Contributor>"
                                  "<Contributor><ContributorRole>"
                                  + kMintMasterRole + "</ContributorRole><KeyNames>Иванов</KeyNames></Contributor>"));
}

TEST(CoinContributors, InitialsWithoutASurnameAreDropped)
{
    ProductRow row;
    Field("Painter")(row.doc, row.node, "");
    Field("PainterInit")(row.doc, row.node, "А.В.");
    Field("MincmeisterInit")(row.doc, row.node, "П.П.");
    EXPECT_EQ(row.Xml(), "<Product><DescriptiveDetail/></Product>");
}

TEST(CoinContributors, InitialsGoToTheirOwnRole)
{
    ProductRow row;
    Field("Mincmeister")(row.doc, row.node, "Петров");
    Field("PainterInit")(row.doc, row.node, "А.В.");
    Field("MincmeisterInit")(row.doc, row.node, "П.П.");
    EXPECT_EQ(row.Xml(), InDetail("<Contributor><ContributorRole>" + kMintMasterRole
                                  + "</ContributorRole><KeyNames>Петров</KeyNames><NamesBeforeKey>П.П.</NamesBeforeKey>"
                                    "</Contributor>"));
}

TEST(DigitalEditions, DeveloperAndDownloadSizeBelowPublishingDetail)
{
    ProductRow row;
    Field("Developer")(row.doc, row.node, "1С");
    Field("DownloadSize")(row.doc, row.node, "");
    Field("DownloadSize")(row.doc, row.node, "2,5 ГБ");
    EXPECT_EQ(row.Xml(), "<Product><PublishingDetail><Developer>1С</Developer><DownloadSize>2,5 ГБ</DownloadSize>"
                         "</PublishingDetail></Product>");
}

TEST(CyrillicLookAlikes, SavedFileHoldsTheirWindows1251Bytes)
{
    TempFolder folder;
    const std::string path = folder.File("goods.xml");
    {
        ProductRow row;
        Field(kScreenTypeFieldID)(row.doc, row.node, "AMOLED");
        Field("CaseMaterial")(row.doc, row.node, "metal");
        Field("Mincmeister")(row.doc, row.node, "Smith");
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
