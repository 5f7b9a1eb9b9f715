#include <gtest/gtest.h>

#include "FieldByID.h"

#include <functional>
#include <ostream>
#include <string>

#include "writers/MediaWriters.h"

namespace {

namespace Product = ONIXFunctions::Product;

using TextWriter = std::function<void(TXMLDocument&, TXMLNode, const std::string&)>;
using NameWriter = std::function<void(TXMLDocument&, TXMLNode, const std::string&, const std::string&)>;

// The Product of one price-list row.
struct ProductRow {
    std::string Xml() const { return doc.NodeXml(node); }

    TXMLDocument doc;
    TXMLNode root = doc.CreateRoot("KALMIRAMessage");
    TXMLNode node = doc.AddElement(root, "Product", "");
};

std::string InFormDetail(const std::string& children)
{
    return "<Product><DescriptiveDetail><ProductFormDetail>" + children
           + "</ProductFormDetail></DescriptiveDetail></Product>";
}

struct MapCase {
    const char* cell;
    const char* result;
};

std::ostream& operator<<(std::ostream& out, const MapCase& c)
{
    return out << '[' << c.cell << ']';
}

class AspectRatioMap : public ::testing::TestWithParam<MapCase> {};

TEST_P(AspectRatioMap, CellBecomesAspectRatio)
{
    ProductRow row;
    Product::VideoProportion(row.doc, row.node, GetParam().cell);
    const std::string result = GetParam().result;
    EXPECT_EQ(ONIXFunctions::AspectRatioCode(GetParam().cell), result);
    EXPECT_EQ(row.Xml(), InFormDetail(result.empty() ? "<AspectRatio/>" : "<AspectRatio>" + result + "</AspectRatio>"));
}

INSTANTIATE_TEST_SUITE_P(Cells, AspectRatioMap,
                         ::testing::Values(MapCase{"16:9", "E225"}, MapCase{"16 : 9", "E225"},
                                           MapCase{"4:3 (PAL)", "E222PAL"}, MapCase{"16:10", "E2240"},
                                           MapCase{"5:4", "E221"}, MapCase{"3:2", "E223"}, MapCase{"16:1", "E224"},
                                           MapCase{"Широкий 16:9", "ШирокийE225"},
                                           MapCase{"Anamorphic / Letterbox", "AnamorphicLetterbox"},
                                           MapCase{"( - )", ""}));

struct FormatCase {
    const char* cell;
    const char* element; // DigitalFormat or Other
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c)
{
    return out << '[' << c.cell << ']';
}

class DigitalFormatMap : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DigitalFormatMap, KnownCodesAreDigitalFormatTheRestOther)
{
    ProductRow row;
    Product::DigitalFormat(row.doc, row.node, GetParam().cell);
    const std::string element = GetParam().element;
    const std::string text = GetParam().text;
    EXPECT_EQ(row.Xml(),
              InFormDetail(text.empty() ? "<" + element + "/>" : "<" + element + ">" + text + "</" + element + ">"));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DigitalFormatMap,
    ::testing::Values(FormatCase{"MPEG-4", "DigitalFormat", "D105"}, FormatCase{"Audio CD", "DigitalFormat", "A101"},
                      FormatCase{"mp3", "DigitalFormat", "A103"}, FormatCase{"a112", "DigitalFormat", "a112"},
                      FormatCase{"PAL/SECAM", "Other", "V201V203"},
                      FormatCase{"Dolby Digital", "Other", "DolbyDigital"}, FormatCase{"NTSC", "DigitalFormat", "V202"},
                      FormatCase{"Super Audio (SACD)", "DigitalFormat", "A102"},
                      FormatCase{"Windows Media Audio (WMA)", "DigitalFormat", "A106"},
                      FormatCase{"Windows Media Video", "DigitalFormat", "D104"},
                      FormatCase{"avi", "DigitalFormat", "D103"}, FormatCase{"QuickTime", "DigitalFormat", "D102"},
                      FormatCase{"Ogg Vorbis", "DigitalFormat", "A108"}, FormatCase{"d101", "DigitalFormat", "d101"},
                      FormatCase{"A113", "Other", "A113"}, FormatCase{"Формат DVD", "Other", "ФорматDVD"},
                      FormatCase{"/", "Other", ""}));

TEST(DigitalFormatCodes, TwentyCodesInAnyLetterCase)
{
    for (const char* code : {"V201", "v203", "A101", "a112", "D101", "d105"})
        EXPECT_TRUE(ONIXFunctions::IsDigitalFormatCode(code)) << code;
    for (const char* text : {"", "V200", "V204", "A100", "A113", "D106", "V201 ", "V201V203"})
        EXPECT_FALSE(ONIXFunctions::IsDigitalFormatCode(text)) << text;
}

TEST(MediaContributors, RolesAndNumbering)
{
    const struct {
        NameWriter writer;
        const char* role;
    } cases[] = {
        {PairedField("VocalKeyNames"), "E05"},
        {PairedField("Actor1KeyNames"), "E01"},
    };
    for (const auto& c : cases) {
        ProductRow row;
        c.writer(row.doc, row.node, "Иванов", "Иван");
        c.writer(row.doc, row.node, "  ", "\t");
        c.writer(row.doc, row.node, "Петров", "");
        const std::string role = c.role;
        EXPECT_EQ(row.Xml(), "<Product><DescriptiveDetail>"
                             "<Contributor><SequenceNumber>1</SequenceNumber><ContributorRole>"
                                 + role
                                 + "</ContributorRole><KeyNames>Иванов</KeyNames><NamesBeforeKey>Иван</NamesBeforeKey>"
                                   "</Contributor>"
                                   "<Contributor><SequenceNumber>2</SequenceNumber><ContributorRole>"
                                 + role
                                 + "</ContributorRole><KeyNames>Петров</KeyNames></Contributor>"
                                   "</DescriptiveDetail></Product>")
            << role;
    }
}

TEST(MediaContributors, NumberingStartsAgainInEveryProduct)
{
    TXMLDocument doc;
    const TXMLNode root = doc.CreateRoot("KALMIRAMessage");
    const TXMLNode first = doc.AddElement(root, "Product", "");
    PairedField("VocalKeyNames")(doc, first, "Пугачёва", "Алла");
    PairedField("ReadByKeyNames")(doc, first, "Смоктуновский", "");
    const TXMLNode second = doc.AddElement(root, "Product", "");
    PairedField("VocalKeyNames")(doc, second, "", "");
    PairedField("ReadByKeyNames")(doc, second, "Ульянов", "Михаил");

    EXPECT_EQ(doc.NodeXml(first),
              "<Product><DescriptiveDetail>"
              "<Contributor><SequenceNumber>1</SequenceNumber><ContributorRole>E05</ContributorRole>"
              "<KeyNames>Пугачёва</KeyNames><NamesBeforeKey>Алла</NamesBeforeKey></Contributor>"
              "<Contributor><SequenceNumber>2</SequenceNumber><ContributorRole>E07</ContributorRole>"
              "<KeyNames>Смоктуновский</KeyNames></Contributor>"
              "</DescriptiveDetail></Product>");
    EXPECT_EQ(doc.NodeXml(second),
              "<Product><DescriptiveDetail>"
              "<Contributor><SequenceNumber>1</SequenceNumber><ContributorRole>E07</ContributorRole>"
              "<KeyNames>Ульянов</KeyNames><NamesBeforeKey>Михаил</NamesBeforeKey></Contributor>"
              "</DescriptiveDetail></Product>");
}

TEST(MediaContributors, TwoActorsAreToldApartByTheirNumbers)
{
    ProductRow row;
    PairedField("Actor1KeyNames")(row.doc, row.node, "Миронов", "Андрей");
    PairedField("Actor1KeyNames")(row.doc, row.node, "Папанов", "Анатолий");
    EXPECT_EQ(row.doc.GetNodeText(row.node, "DescriptiveDetail/Contributor[1]/SequenceNumber"), "2");
    EXPECT_EQ(row.doc.GetNodeText(row.node, "DescriptiveDetail/Contributor[1]/ContributorRole"), "E01");
    EXPECT_EQ(row.doc.GetNodeText(row.node, "DescriptiveDetail/Contributor[1]/KeyNames"), "Папанов");
}

struct WriterCase {
    const char* name;
    TextWriter writer;
    const char* cell;
    const char* xml;
};

std::ostream& operator<<(std::ostream& out, const WriterCase& c)
{
    return out << c.name;
}

class MediaWriter : public ::testing::TestWithParam<WriterCase> {};

TEST_P(MediaWriter, WritesItsComposite)
{
    ProductRow row;
    GetParam().writer(row.doc, row.node, GetParam().cell);
    EXPECT_EQ(row.Xml(), GetParam().xml);
}

TEST_P(MediaWriter, EmptyCellWritesNothing)
{
    ProductRow row;
    GetParam().writer(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), "<Product/>");
}

INSTANTIATE_TEST_SUITE_P(
    Writers, MediaWriter,
    ::testing::Values(
        WriterCase{"TextLanguage", Field("TextLanguage"), "rus",
                   "<Product><DescriptiveDetail><Language><LanguageRole>01</LanguageRole>"
                   "<LanguageCode>rus</LanguageCode></Language></DescriptiveDetail></Product>"},
        WriterCase{"ProductContentType", Field("ProductContentType"), "11",
                   "<Product><DescriptiveDetail><ProductContentType>11</ProductContentType>"
                   "</DescriptiveDetail></Product>"},
        WriterCase{"ProduceCountryName", Field("ProduceCountryName"), "RU",
                   "<Product><DescriptiveDetail><CountryOfManufacture>RU</CountryOfManufacture>"
                   "</DescriptiveDetail></Product>"},
        WriterCase{"DVDRegionCode", Product::DVDRegionCode, "5",
                   "<Product><DescriptiveDetail><ProductFormFeature><ProductFormFeatureType>05"
                   "</ProductFormFeatureType><ProductFormFeatureValue>5</ProductFormFeatureValue>"
                   "</ProductFormFeature></DescriptiveDetail></Product>"},
        WriterCase{"Super", Product::Super, "да",
                   "<Product><DescriptiveDetail><ProductFormDetail><Jacket>B501"
                   "</Jacket></ProductFormDetail></DescriptiveDetail></Product>"},
        WriterCase{"SoundTrackType", Product::SoundTrackType, "Stereo 2.1",
                   "<Product><DescriptiveDetail><ProductFormDetail><SoundTrack>A421</SoundTrack>"
                   "</ProductFormDetail></DescriptiveDetail></Product>"},
        WriterCase{"Bitrate", Field("Bitrate"), "320 kbps",
                   "<Product><DescriptiveDetail><ProductFormDetail><BitrateFormat>320 kbps</BitrateFormat>"
                   "</ProductFormDetail></DescriptiveDetail></Product>"},
        WriterCase{"RecordLength", Field("RecordLength"), "95",
                   "<Product><DescriptiveDetail><Extent><ExtentType>09</ExtentType><ExtentValue>95"
                   "</ExtentValue><ExtentUnit>05</ExtentUnit></Extent></DescriptiveDetail></Product>"},
        WriterCase{"ProduceDate", Field("ProduceDate"), "2012",
                   "<Product><PublishingDetail><PublishingDate><PublishingDateRole>11</PublishingDateRole>"
                   "<DateFormat>05</DateFormat><Date>2012</Date></PublishingDate></PublishingDetail></Product>"},
        WriterCase{"SalesRights", Field("SalesRights"), "RU BY",
                   "<Product><PublishingDetail><SalesRights><SalesRightsType>02</SalesRightsType>"
                   "<CountriesIncluded>RU BY</CountriesIncluded></SalesRights></PublishingDetail></Product>"},
        WriterCase{"CoverDetail", Product::CoverDetail, "суперобложка",
                   "<Product><DescriptiveDetail><ProductFormFeature><ProductFormFeatureDescription>"
                   "суперобложка</ProductFormFeatureDescription></ProductFormFeature></DescriptiveDetail></Product>"},
        WriterCase{"Distributor", Product::Distributor, "ООО \"Диск\"",
                   "<Product><Supplier><SupplierRole>02</SupplierRole><SupplierName>ООО \"Диск\"</SupplierName>"
                   "</Supplier></Product>"},
        WriterCase{"NumberOfPieces", Product::NumberOfPieces, "2",
                   "<Product><DescriptiveDetail><ProductPart><ProductForm>AC</ProductForm>"
                   "<NumberOfItemsOfThisForm>2</NumberOfItemsOfThisForm></ProductPart></DescriptiveDetail></Product>"},
        WriterCase{"OriginalName", Product::OriginalName, "The Matrix",
                   "<Product><DescriptiveDetail><TitleDetail><TitleType>03</TitleType><TitleElement>"
                   "<TitleElementLevel>01</TitleElementLevel><TitleText>The Matrix</TitleText></TitleElement>"
                   "</TitleDetail></DescriptiveDetail></Product>"}),
    [](const ::testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.name); });

TEST(ProduceCompanyName, PublishingDetailIsTakenEvenForAnEmptyCell)
{
    ProductRow row;
    Product::ProduceCompanyName(row.doc, row.node, "");
    EXPECT_EQ(row.Xml(), "<Product><PublishingDetail/></Product>");
}

TEST(ProduceCompanyName, CompanyAndManufacturerAreTwoPublishersOfRole19)
{
    ProductRow row;
    Product::ProduceCompanyName(row.doc, row.node, "Мосфильм");
    Product::ProduceCompanyName(row.doc, row.node, "");
    Product::ProduceCompanyName(row.doc, row.node, "Диск-Про");
    EXPECT_EQ(row.Xml(),
              "<Product><PublishingDetail>"
              "<Publisher><PublishingRole>19</PublishingRole><PublisherName>Мосфильм</PublisherName></Publisher>"
              "<Publisher><PublishingRole>19</PublishingRole><PublisherName>Диск-Про</PublisherName></Publisher>"
              "</PublishingDetail></Product>");
}

TEST(SalesRights, AllowedAndBarredCountriesShareOnePublishingDetail)
{
    ProductRow row;
    Field("SalesRights")(row.doc, row.node, "RU");
    Field("NotForSale")(row.doc, row.node, "US");
    EXPECT_EQ(row.Xml(), "<Product><PublishingDetail>"
                         "<SalesRights><SalesRightsType>02</SalesRightsType><CountriesIncluded>RU</CountriesIncluded>"
                         "</SalesRights>"
                         "<SalesRights><SalesRightsType>03</SalesRightsType><CountriesIncluded>US</CountriesIncluded>"
                         "</SalesRights></PublishingDetail></Product>");
}

TEST(ProductFormDetail, OneContainerGathersTheCarrierFormatInCallingOrder)
{
    ProductRow row;
    Product::VideoProportion(row.doc, row.node, "16:9");
    Product::DigitalFormat(row.doc, row.node, "MPEG-4");
    Field("SoundTrack")(row.doc, row.node, "rus");
    Product::Super(row.doc, row.node, "");
    Product::SoundTrackType(row.doc, row.node, "A451");
    Field("Bitrate")(row.doc, row.node, "192");
    EXPECT_EQ(row.Xml(), "<Product><DescriptiveDetail><ProductFormDetail>"
                         "<AspectRatio>E225</AspectRatio><DigitalFormat>D105</DigitalFormat>"
                         "<SoundTrack>A451</SoundTrack><BitrateFormat>192</BitrateFormat></ProductFormDetail>"
                         "<Language><LanguageRole>08</LanguageRole><LanguageCode>rus</LanguageCode></Language>"
                         "</DescriptiveDetail></Product>");
}

TEST(Distributor, SupplierStandsBesideTheSupplyNotInsideIt)
{
    ProductRow row;
    const TXMLNode supply = row.doc.AddElement(row.node, "ProductSupply", "");
    row.doc.AddElement(supply, "SupplyDetail", "");
    Product::Distributor(row.doc, row.node, "Дистрибьютор");
    EXPECT_EQ(row.doc.CountNodes(row.node, "Supplier"), 1);
    EXPECT_EQ(row.doc.CountNodes(row.node, "ProductSupply/SupplyDetail/Supplier"), 0);
    EXPECT_EQ(row.doc.GetNodeText(row.node, "Supplier/SupplierName"), "Дистрибьютор");
}

} // namespace
