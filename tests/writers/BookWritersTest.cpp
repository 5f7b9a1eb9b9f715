#include "base/MessageFormat.h"
#include "writers/BookWriters.h"
#include "writers/FieldWriter.h"
#include "writers/ONIXErrorChannel.h"
#include "writers/WriterTexts.h"
#include "xml/TXMLDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace ONIXFunctions;

namespace {

using Row = std::map<std::string, std::string>;

// One product written by the writers of this module, with the reports the
// run's handler would have logged.
class BookRecord {
public:
    BookRecord() : product(doc.AddElement(doc.CreateRoot("KALMIRAMessage"), "Product", ""))
    {
        OnONIXError() = [this] {
            reports.push_back(ONIXErrorText());
            ONIXErrorText().clear();
        };
    }
    ~BookRecord() { OnONIXError() = nullptr; }

    std::string Xml() const { return doc.NodeXml(product); }

    // The book list's fields, and the others the row names, in the price-list
    // run's order; missing fields are empty cells.
    void WriteRow(const Row& row)
    {
        auto cell = [&](const char* field) {
            const auto found = field ? row.find(field) : row.end();
            return found == row.end() ? std::string() : found->second;
        };
        const std::vector<const char*>& books = FieldOrder(TDocumentType::Books);
        for (const FieldRow& field : FieldRows()) {
            const bool listed = std::find(books.begin(), books.end(), std::string_view(field.id)) != books.end();
            if (!listed && !row.count(field.id)) continue;
            Product::WriteField(doc, product, field.writing, cell(field.id), cell(field.pair));
        }
    }

    // The product of a row without an article number; the report of the
    // missing article is left out of `reports`.
    std::string RowXml(const Row& row)
    {
        WriteRow(row);
        if (!reports.empty() && reports.front() == QRNConsts::sNoRecordReference) reports.erase(reports.begin());
        return Xml();
    }

    TXMLDocument doc;
    TXMLNode product;
    std::vector<std::string> reports;
};

struct RowCase {
    Row row;
    std::string xml;
    std::vector<std::string> reports;
};

void ExpectRows(const std::vector<RowCase>& cases)
{
    for (const RowCase& c : cases) {
        BookRecord record;
        EXPECT_EQ(record.RowXml(c.row), c.xml) << c.xml;
        EXPECT_EQ(record.reports, c.reports) << c.xml;
    }
}

std::string Identifier(const char* type, const char* value)
{
    return std::string("<ProductIdentifier><ProductIDType>") + type + "</ProductIDType><IDValue>" + value
           + "</IDValue></ProductIdentifier>";
}

std::string Descriptive(const std::string& inner)
{
    return "<Product><DescriptiveDetail>" + inner + "</DescriptiveDetail></Product>";
}

TEST(BookProduct, AnEmptyArticleIsReportedAndTheRestStillWritten)
{
    BookRecord record;
    record.WriteRow({{"Title", "Азбука"}});
    EXPECT_EQ(record.reports, std::vector<std::string>{QRNConsts::sNoRecordReference});
    EXPECT_EQ(record.Xml(), "<Product><DescriptiveDetail><TitleDetail><TitleType>01</TitleType><TitleElement>"
                            "<TitleElementLevel>01</TitleElementLevel><TitleText>Азбука</TitleText></TitleElement>"
                            "</TitleDetail></DescriptiveDetail></Product>");
}

TEST(BookProduct, OnlyArticleAndAnnotationMakeNoOtherComposite)
{
    BookRecord record;
    const std::string annotation(300, 'a'); // the annotation is never cut
    record.WriteRow({{"RecordReference", " 0001 "}, {"Annotation", annotation}});
    EXPECT_TRUE(record.reports.empty());
    EXPECT_EQ(record.Xml(), "<Product><RecordReference> 0001 </RecordReference><CollateralDetail><TextContent>"
                            "<TextType>03</TextType><ContentAudience>00</ContentAudience><Text>"
                                + annotation + "</Text></TextContent></CollateralDetail></Product>");
}

TEST(BookProduct, CompositesStandWhereTheirFirstWriterPutThem)
{
    BookRecord record;
    record.WriteRow({{"RecordReference", "R1"},
                     {"NotificationType", "03"},
                     {"ISBN", "5-17-118366-X"},
                     {"Publisher", "АСТ"},
                     {"Editor", "Иванов"},
                     {"InitialPrintRun", "5000"},
                     {"CopyrightYear", "2020"},
                     {"CityOfPublication", "Москва"}});
    EXPECT_EQ(record.Xml(),
              "<Product><RecordReference>R1</RecordReference><NotificationType>03</NotificationType>"
                  + Identifier("02", "5-17-118366-X")
                  + "<PublishingDetail><Publisher><PublishingRole>01</PublishingRole>"
                    "<PublisherName>АСТ</PublisherName></Publisher><CityOfPublication>Москва</CityOfPublication>"
                    "<CopyrightStatement><CopyrightYear>2020</CopyrightYear></CopyrightStatement>"
                    "</PublishingDetail>"
                    "<ProductSupply><MarketPublishingDetail><InitialPrintRun>5000</InitialPrintRun>"
                    "</MarketPublishingDetail></ProductSupply>"
                    "<DescriptiveDetail><Contributor><SequenceNumber>1</SequenceNumber>"
                    "<ContributorRole>B11</ContributorRole><KeyNames>Иванов</KeyNames></Contributor>"
                    "</DescriptiveDetail></Product>");
}

TEST(BookIdentifiers, AreCheckedReportedAndWrittenAnyway)
{
    const std::string isbnDigit = FormatMessage(QRNConsts::sISBN13CheckDigit, {"0"});
    ExpectRows({
        {{{"ISBN", "978-5-17-118366-4"}},
         "<Product>" + Identifier("15", "978-5-17-118366-4") + "</Product>",
         {isbnDigit}},
        {{{"ISBN", " 978-5-17-118366-0\t"}}, "<Product>" + Identifier("15", "978-5-17-118366-0") + "</Product>", {}},
        {{{"ISBN", "5-17-118366-X"}}, "<Product>" + Identifier("02", "5-17-118366-X") + "</Product>", {}},
        {{{"ISBN", "97A5171183660"}},
         "<Product>" + Identifier("15", "97A5171183660") + "</Product>",
         {QRNConsts::sISBN13NotDigits}},
        {{{"ISBN", "12345"}}, "<Product/>", {QRNConsts::sISBNLength}},
        {{{"ISBN", "978 5 17 118366 0"}}, "<Product/>", {QRNConsts::sISBNLength}},
        {{{"ISBN", "--"}}, "<Product/>", {}},
        {{{"ISBN", " - "}}, "<Product/>", {}},
        {{{"ISBN", "- -"}}, "<Product/>", {}},
        {{{"EAN13", "abc"}}, "<Product>" + Identifier("03", "abc") + "</Product>", {QRNConsts::sEAN13NotDigits}},
        {{{"EAN13", " 4607086560129 "}}, "<Product>" + Identifier("03", "4607086560129") + "</Product>", {}},
        {{{"EAN13", "4607086560123"}},
         "<Product>" + Identifier("03", "4607086560123") + "</Product>",
         {FormatMessage(QRNConsts::sEAN13CheckDigit, {"9"})}},
        {{{"EAN13", "   "}}, "<Product/>", {}},
        {{{"ISBN", "978-5-17-118366-4"}, {"EAN13", "4607086560129"}},
         "<Product>" + Identifier("03", "4607086560129") + Identifier("15", "978-5-17-118366-4") + "</Product>",
         {isbnDigit}},
    });
}

TEST(BookPublicationDate, IsTrimmedCheckedAndWrittenAnyway)
{
    auto date = [](const char* text) {
        return std::string("<Product><PublishingDetail><PublishingDate><PublishingDateRole>12</PublishingDateRole>"
                           "<DateFormat>05</DateFormat><Date>")
               + text + "</Date></PublishingDate></PublishingDetail></Product>";
    };
    ExpectRows({
        {{{"PublicationDate", "2012"}}, date("2012"), {}},
        {{{"PublicationDate", " 2012 "}}, date("2012"), {}},
        {{{"PublicationDate", "2012 г."}}, date("2012 г."), {QRNConsts::sBadPublicationYear}},
        {{{"PublicationDate", "2101"}}, date("2101"), {QRNConsts::sBadPublicationYear}},
        {{{"PublicationDate", "  "}}, "<Product/>", {}},
    });
}

TEST(BookTitles, WriteOnlyTheTextsGiven)
{
    auto title = [](const std::string& texts) {
        return Descriptive("<TitleDetail><TitleType>01</TitleType><TitleElement><TitleElementLevel>01"
                           "</TitleElementLevel>"
                           + texts + "</TitleElement></TitleDetail>");
    };
    ExpectRows({
        {{{"Title", "Война и мир"}}, title("<TitleText>Война и мир</TitleText>"), {}},
        {{{"Subtitle", "Роман"}}, title("<Subtitle>Роман</Subtitle>"), {}},
        {{{"Title", "А"}, {"Subtitle", " "}}, title("<TitleText>А</TitleText><Subtitle> </Subtitle>"), {}},
        {{{"Title", ""}, {"Subtitle", ""}}, "<Product/>", {}},
    });
}

TEST(BookContributors, AreNumberedAcrossRolesInCallingOrder)
{
    auto contributor = [](const char* number, const char* role, const char* names) {
        return std::string("<Contributor><SequenceNumber>") + number + "</SequenceNumber><ContributorRole>" + role
               + "</ContributorRole>" + names + "</Contributor>";
    };
    ExpectRows({
        {{{"AuthorKeyNames", "Толстой"}, {"Editor", "Иванов"}, {"Translated", "Петров"}},
         Descriptive(contributor("1", "A01", "<KeyNames>Толстой</KeyNames>")
                     + contributor("2", "B11", "<KeyNames>Иванов</KeyNames>")
                     + contributor("3", "B06", "<KeyNames>Петров</KeyNames>")),
         {}},
        {{{"AuthorKeyNames", " "},
          {"AuthorNamesBeforeKey", "Лев"},
          {"Compiled", "Сидоров, Козлов"},
          {"Artist", " Репин "}},
         Descriptive(contributor("1", "A01", "<NamesBeforeKey>Лев</NamesBeforeKey>")
                     + contributor("2", "C01", "<KeyNames>Сидоров, Козлов</KeyNames>")
                     + contributor("3", "A07", "<KeyNames> Репин </KeyNames>")),
         {}},
        {{{"AuthorKeyNames", " "}, {"Editor", "\t"}}, "<Product/>", {}},
    });
}

TEST(BookCodes, MapOnlyTheirExactTexts)
{
    auto form = [](const char* code) { return Descriptive(std::string("<ProductForm>") + code + "</ProductForm>"); };
    auto packaging = [](const char* code) {
        return Descriptive(std::string("<ProductPackaging>") + code + "</ProductPackaging>");
    };
    ExpectRows({
        {{{"ProductForm", "в обл."}}, form("BC"), {}},
        {{{"ProductForm", "в пер."}}, form("BB"), {}},
        {{{"ProductForm", "В обл."}}, form("В обл."), {}},
        {{{"ProductForm", "в обл. "}}, form("в обл. "), {}},
        {{{"ProductFormForBook", "в пер."}, {"ProductForm", "CA"}},
         Descriptive("<ProductForm>BB</ProductForm><ProductForm>CA</ProductForm>"),
         {}},
        {{{"ProductPackaging", "Коробка"}}, packaging("09"), {}},
        {{{"ProductPackaging", "КОРОБКА"}}, packaging("09"), {}},
        {{{"ProductPackaging", "Коробка "}}, packaging("Коробка "), {}},
        {{{"ProductPackaging", "Папка"}}, packaging("14"), {}},
        {{{"ProductPackaging", "ФУТЛЯР"}}, packaging("10"), {}},
        {{{"ProductPackaging", "Пакет"}}, packaging("Пакет"), {}},
    });
}

TEST(BookDescriptiveFields, KeepTheirTextsAndCodes)
{
    auto subject = [](const char* scheme, const char* name, const char* code) {
        return std::string("<Subject><SubjectSchemeIdentifier>") + scheme + "</SubjectSchemeIdentifier>" + name
               + "<SubjectCode>" + code + "</SubjectCode></Subject>";
    };
    auto measure = [](const char* type, const char* value, const char* unit) {
        return std::string("<Measure><MeasureType>") + type + "</MeasureType><Measurement>" + value
               + "</Measurement><MeasureUnitCode>" + unit + "</MeasureUnitCode></Measure>";
    };
    ExpectRows({
        {{{"EditionStatement", "2-е изд."}, {"ContributorStatement", "  "}, {"Dimensions", "84x108/32"}},
         Descriptive("<EditionStatement>2-е изд.</EditionStatement><ContributorStatement>  </ContributorStatement>"
                     "<Dimensions>84x108/32</Dimensions>"),
         {}},
        {{{"NumberOfPages", "320"}},
         Descriptive("<Extent><ExtentType>00</ExtentType><ExtentValue>320</ExtentValue><ExtentUnit>03</ExtentUnit>"
                     "</Extent>"),
         {}},
        {{{"UDC", "821"}, {"UDC_DEF", "(075)"}, {"KTK", "100"}, {"BBK", "84(2Рос)"}},
         Descriptive(subject("09", "<SubjectSchemeName/>", "821")
                     + subject("09", "<SubjectSchemeName>UDC AUXILIARY</SubjectSchemeName>", "(075)")
                     + subject("24", "<SubjectSchemeName>KTK</SubjectSchemeName>", "100")
                     + subject("24", "<SubjectSchemeName>BBK</SubjectSchemeName>", "84(2Рос)")),
         {}},
        {{{"Weight", "350"}, {"Height", "20,5"}, {"Width", "13"}, {"Thickness", "2"}},
         Descriptive(measure("08", "350", "gr") + measure("01", "20,5", "sm") + measure("02", "13", "sm")
                     + measure("03", "2", "sm")),
         {}},
        {{{"ProductFormDescription", "с CD"}},
         Descriptive("<ProductFormDescription>+с CD</ProductFormDescription>"),
         {}},
        {{{"ProductFormDescription", ""}}, "<Product/>", {}},
    });
}

TEST(BookAgeCategory, DropsOnlyASingleFinalPlus)
{
    auto range = [](const char* value) {
        return Descriptive(std::string("<AudienceRange><AudienceRangeQualifier>18</AudienceRangeQualifier>"
                                       "<AudienceRangePrecision>03</AudienceRangePrecision><AudienceRangeValue>")
                           + value + "</AudienceRangeValue></AudienceRange>");
    };
    ExpectRows({
        {{{"AgeCategory", "12+"}}, range("12"), {}},
        {{{"AgeCategory", "16"}}, range("16"), {}},
        {{{"AgeCategory", "+12"}}, range("+12"), {}},
        {{{"AgeCategory", "1+2+"}}, range("1+2+"), {}},
        {{{"AgeCategory", "+"}}, "<Product><DescriptiveDetail/></Product>", {}},
    });
}

TEST(BookCollections, ShareOrSplitAsTheirKeysSay)
{
    const std::string series = "<TitleDetail><TitleType>01</TitleType><TitleElement><TitleElementLevel>02"
                               "</TitleElementLevel><TitleText>Классика</TitleText></TitleElement></TitleDetail>";
    const std::string subscription = "<CollectionIdentifier><CollectionIDType>01</CollectionIDType><IDTypeName>"
                                     "SUBSCRIPTION INDEX</IDTypeName><IDValue>12345</IDValue></CollectionIdentifier>";
    const std::string issn = "<CollectionIdentifier><CollectionIDType>02</CollectionIDType><IDValue>1234-5678"
                             "</IDValue></CollectionIdentifier>";
    const std::string periodicity = "<Periodicity>ежемесячно</Periodicity>";
    const std::string seriesType = "<CollectionType>10</CollectionType>";
    auto collections = [](const std::string& inner) { return Descriptive(inner); };
    ExpectRows({
        {{{"Series", "Классика"}, {"SubscriptionIndex", "12345"}, {"Periodicity", "ежемесячно"}, {"ISSN", "1234-5678"}},
         collections("<Collection>" + seriesType + series + subscription + periodicity + issn + "</Collection>"),
         {}},
        {{{"Series", "Классика"}, {"ISSN", "1234-5678"}},
         collections("<Collection>" + seriesType + series + issn + "</Collection>"),
         {}},
        {{{"SubscriptionIndex", "12345"}, {"Periodicity", "ежемесячно"}, {"ISSN", "1234-5678"}},
         collections("<Collection><CollectionIdentifier/>" + subscription + periodicity
                     + "</Collection>"
                       "<Collection>"
                     + seriesType + issn + "</Collection>"),
         {}},
        {{{"Periodicity", "ежемесячно"}}, collections("<Collection>" + periodicity + "</Collection>"), {}},
        {{{"ISSN", "1234-5678"}}, collections("<Collection>" + seriesType + issn + "</Collection>"), {}},
    });
}

TEST(BookCollateral, AnnotationRecommendationAndCover)
{
    const std::string cover =
        "<SupportingResource><ResourceContentType>01</ResourceContentType><ResourceMode>03</ResourceMode>"
        "<ResourceVersion><ResourceForm>02</ResourceForm>"
        "<ResourceVersionFeature><ResourceVersionFeatureType>02</ResourceVersionFeatureType>"
        "<FeatureValue>0</FeatureValue></ResourceVersionFeature>"
        "<ResourceVersionFeature><ResourceVersionFeatureType>03</ResourceVersionFeatureType>"
        "<FeatureValue>0</FeatureValue></ResourceVersionFeature>"
        "<ResourceLink>covers/1.jpg</ResourceLink></ResourceVersion></SupportingResource>";
    ExpectRows({
        {{{"Annotation", "О войне & мире"}, {"RecommendedBy", "Минобрнауки"}, {"CoverImage", "covers/1.jpg"}},
         "<Product><CollateralDetail><TextContent><TextType>03</TextType><ContentAudience>00</ContentAudience>"
         "<Text>О войне &amp; мире</Text></TextContent><TextContent><TextType>22</TextType><ContentAudience>00"
         "</ContentAudience><Text>Минобрнауки</Text></TextContent>"
             + cover + "</CollateralDetail></Product>",
         {}},
    });
}

TEST(BookProduct, CoverImageWritesItsFeatureValues)
{
    BookRecord record;
    Product::CoverImage(record.doc, record.product, "a.png", 640, -1);
    EXPECT_EQ(record.doc.GetNodeText(record.product, "CollateralDetail/SupportingResource/ResourceVersion/"
                                                     "ResourceVersionFeature[0]/FeatureValue"),
              "640");
    EXPECT_EQ(record.doc.GetNodeText(record.product, "CollateralDetail/SupportingResource/ResourceVersion/"
                                                     "ResourceVersionFeature[1]/FeatureValue"),
              "-1");
}

TEST(BookCopyright, SevenFieldsShareOneStatement)
{
    ExpectRows({
        {{{"Publisher", "Эксмо"},
          {"CopyrightType", "C"},
          {"CopyrightYear", "2020"},
          {"CopyrightAgreementType", "1"},
          {"CopyrightAgreementNum", "17/4"},
          {"CopyrightAgreementDate", "01.02.2020"},
          {"CorporateName", "ООО"},
          {"PersonName", "Иванов"}},
         "<Product><PublishingDetail><Publisher><PublishingRole>01</PublishingRole><PublisherName>Эксмо"
         "</PublisherName></Publisher><CopyrightStatement><CopyrightType>C</CopyrightType><CopyrightYear>2020"
         "</CopyrightYear><CopyrightAgreementType>1</CopyrightAgreementType><CopyrightAgreementNum>17/4"
         "</CopyrightAgreementNum><CopyrightAgreementDate>01.02.2020</CopyrightAgreementDate><CorporateName>ООО"
         "</CorporateName><PersonName>Иванов</PersonName></CopyrightStatement></PublishingDetail></Product>",
         {}},
    });
}

TEST(BookProduct, EveryInitialPrintRunGetsItsOwnMarketDetail)
{
    BookRecord record;
    Product::InitialPrintRun(record.doc, record.product, "3000");
    Product::InitialPrintRun(record.doc, record.product, "2000");
    EXPECT_EQ(record.Xml(), "<Product><ProductSupply><MarketPublishingDetail><InitialPrintRun>3000</InitialPrintRun>"
                            "</MarketPublishingDetail><MarketPublishingDetail><InitialPrintRun>2000</InitialPrintRun>"
                            "</MarketPublishingDetail></ProductSupply></Product>");
}

} // namespace
