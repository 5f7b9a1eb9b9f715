#include "catalogue/FieldCatalogue.h"
#include "support/TypeIndex.h"

#include "messages/QuarnelError.h"
#include "base/Utf8Text.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using IDs = std::vector<std::string>;

// The identifiers of every type in the order of the list of step 2; the runs
// and the scheme depend on both the set and the order.
// clang-format off
const std::vector<IDs> kExpectedIDs = {
    // 0: books
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "ISBN", "Price01",
        "VAT", "Price", "DiscountPercent", "OnHand", "PackQuantity", "AuthorKeyNames",
        "AuthorNamesBeforeKey", "ContributorStatement", "Translated", "Artist", "Editor", "Compiled",
        "Title", "Subtitle", "Series", "SubscriptionIndex", "ProductFormForBook", "CoverDetail",
        "EditionStatement", "Publisher", "CityOfPublication", "PublicationDate", "InitialPrintRun",
        "NumberOfPages", "ProductFormDescription", "UDC", "UDC_DEF", "KTK", "BBK", "TextLanguage",
        "OriginLanguage", "Weight", "Height", "Width", "Thickness", "Annotation", "CoverImage",
        "ProductPackaging", "IllustrationsNote", "RecommendedBy", "Super", "CopyrightType",
        "CopyrightYear", "CopyrightAgreementType", "CopyrightAgreementNum", "CopyrightAgreementDate",
        "CorporateName", "PersonName", "ISSN", "Periodicity", "AgeCategory"
    },
    // 1: media
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "Price01", "VAT",
        "Price", "DiscountPercent", "OnHand", "UDC", "UDC_DEF", "Title", "Subtitle", "AuthorKeyNames",
        "AuthorNamesBeforeKey", "VocalKeyNames", "VocalNamesBeforeKey", "ReadByKeyNames",
        "ReadByNamesBeforeKey", "ComposerKeyNames", "ComposerNamesBeforeKey", "RegisserKeyNames",
        "RegisserNamesBeforeKey", "Actor1KeyNames", "Actor1NamesBeforeKey", "Actor2KeyNames",
        "Actor2NamesBeforeKey", "ScenarKeyNames", "ScenarNamesBeforeKey", "ProdusKeyNames",
        "ProdusNamesBeforeKey", "ProductForm", "ProductContentType", "ProduceCountryName",
        "ProduceCompanyName", "DVDRegionCode", "SoundTrack", "VideoProportion", "SubtitleLanguage",
        "RecordLength", "NumberOfPieces", "CityOfPublication", "Publisher", "PublicationDate",
        "ProduceDate", "SalesRights", "NotForSale", "SalesRightsRegion", "NotForSaleRegion", "Series",
        "Weight", "Annotation", "CoverImage", "AgeCategory", "SoundTrackType", "Manufacturer",
        "Distributor", "CopyrightType", "CopyrightYear", "CopyrightAgreementType",
        "CopyrightAgreementNum", "CopyrightAgreementDate", "CorporateName", "PersonName", "Bitrate",
        "TrackCount", "OriginalName", "Developer", "DownloadSize", "DigitalFormat"
    },
    // 2: stationery
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "Price01", "VAT",
        "Price", "DiscountPercent", "OnHand", "Title", "Subtitle", "ProduceCountryName", "Trademark",
        "Series", "Weight", "Height", "Width", "Thickness", "Annotation", "CoverImage", "AgeCategory"
    },
    // 3: digital devices
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "Price01", "VAT",
        "Price", "DiscountPercent", "OnHand", "Title", "ProduceCountryName", "Trademark", "Series",
        "Annotation", "CoverImage", "AgeCategory", "Model", "Color", "OperatingSystem",
        "ProcessorDescriptive", "Ram", "InternalStorage", "MemoryCard", "MemoryCardCapacity",
        "Resolution", "ScreenSize", kScreenTypeFieldID, "SensorType", "StorageCapacity", "ReadSpeed",
        "WriteSpeed", "FormatSupported", "Warranty", "WiFi", "Network", "Bluetooth",
        "NavigationSystem", "RearCamera", "FrontCamera", "BatteryVolume", "BatteryLife",
        "CaseMaterial", "Weight", "Height", "Width", "Thickness", "CoverImage"
    },
    // 4: maps
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "ISBN", "Price01",
        "VAT", "Price", "DiscountPercent", "OnHand", "PackQuantity", "Title", "Subtitle",
        "EditionStatement", "Series", "Publisher", "CityOfPublication", "PublicationDate",
        "InitialPrintRun", "NumberOfPages", "ProductFormDescription", "UDC", "UDC_DEF", "KTK",
        "TextLanguage", "Weight", "Height", "Width", "Annotation", "CoverImage", "AgeCategory",
        "ProductPackaging", "MapScale", "CopyrightType", "CopyrightYear", "CopyrightAgreementType",
        "CopyrightAgreementNum", "CopyrightAgreementDate", "CorporateName", "PersonName", "Dimensions"
    },
    // 5: consumables
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "Price01", "VAT",
        "Price", "DiscountPercent", "OnHand", "Title", "ProduceCountryName", "Trademark", "Series",
        "Weight", "Height", "Width", "Thickness", "Annotation", "CoverImage", "Model", "Color",
        "ScreenSize", "CaseMaterial", "Suitableforusewith", "PartNumber"
    },
    // 6: philately
    {
        "RecordReference", "NotificationType", "ProductAvailability", "Price01", "VAT", "Price",
        "DiscountPercent", "OnHand", "InitialPrintRun", "Artist", "Title", "Series",
        "NumberOfItemsOfThisForm", "StampType", "STANDART", "MICHEL", "CFA", "ITC_MARKA", "SCOTT",
        "YVERT", "STANLEY_GIBBONS", "PrintMethod", "Heightmm", "Widthmm", "Color", "Perforation",
        "Watermark", "Paper", "Raster", "Illustration", "Used", "CityOfUse", "Theme", "KeyWords",
        "CityOfPublication", "PublicationDate", "PublishingDateFull", "Annotation", "CoverImage"
    },
    // 7: numismatics
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "Price01", "VAT",
        "Price", "DiscountPercent", "OnHand", "InitialPrintRun", "Title", "Denomination",
        "PublishingDateFull", "Painter", "PainterInit", "Mincmeister", "MincmeisterInit", "Series",
        "Ruler", "ProduceCountryName", "Diameter", "HightCoin", "WidthCoin", "ThinCoin", "WeightCoin",
        "Preserved", "CoinQuality", "Centrobank", "Morvel", "Tarnovik", "Krauze", "Conros", "Utk",
        "Obverse", "Reverse", "CertificateCoin", "Metal", "Mint", "Edge", "CoinGrading", "Annotation",
        "CoverImage"
    },
    // 8: calendars
    {
        "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "ISBN", "Price01",
        "VAT", "Price", "DiscountPercent", "OnHand", "PackQuantity", "Title", "Subtitle", "Series",
        "Publisher", "CityOfPublication", "PublicationDate", "InitialPrintRun", "NumberOfPages",
        "UDC", "UDC_DEF", "KTK", "Weight", "Height", "Width", "Annotation", "CoverImage",
        "ProductPackaging", "AgeCategory"
    },
    // 9: invoice
    {
        "RecordReference", "EAN13", "ISBN", "ProductName", "Price", "VAT", "RecommendedPrice",
        "PackQuantity", "Amount", "SalePlace", "GTDNo", "CountryCode", "CountryName"
    },
};
// clang-format on

IDs IdentifiersOf(TypeIndex type)
{
    IDs ids;
    for (const TFieldEntry& entry : FieldTable(type)) ids.push_back(entry.FieldID);
    return ids;
}

} // namespace

TEST(FieldCatalogue, EveryTableListsItsFieldsInStepTwoOrder)
{
    const std::vector<std::size_t> expectedCounts = {57, 70, 21, 47, 41, 25, 39, 42, 29, 13};
    ASSERT_EQ(kExpectedIDs.size(), std::size_t(kDocumentTypeCount));
    for (int type = 0; type < kDocumentTypeCount; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        EXPECT_EQ(FieldTable(TypeIndex(type)).size(), expectedCounts[type]);
        EXPECT_EQ(IdentifiersOf(TypeIndex(type)), kExpectedIDs[type]);
    }
}

struct CaptionCase {
    TypeIndex type;
    const char* fieldID;
    const char* caption;
};

static void PrintTo(const CaptionCase& c, std::ostream* os)
{
    *os << "type " << IndexOf(c.type) << ", " << CaseText(c.fieldID);
}

// The type and the identifier, which is ASCII but for the display type's
// Cyrillic es.
static std::string CaptionCaseName(const testing::TestParamInfo<CaptionCase>& info)
{
    return CaseName("Type" + std::to_string(IndexOf(info.param.type)) + "_" + info.param.fieldID, info.index);
}

class CaptionOfField : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionOfField, IsTheTextShownOnStepTwo)
{
    const CaptionCase& c = GetParam();
    EXPECT_EQ(FieldCaption(c.fieldID, c.type), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    PerType, CaptionOfField,
    testing::Values(
        CaptionCase{0, "RecordReference", "Артикул"},
        CaptionCase{0, "ProductAvailability", "Код доступности (20 - доступен, 40 - недоступен)"},
        CaptionCase{0, "Title", "Название (Основное заглавие)"},
        CaptionCase{0, "Subtitle", "Сведения, относящиеся к заглавию"},
        CaptionCase{0, "Editor", "Редактор (Инициалы + Фамилия в родительном падеже)"},
        CaptionCase{0, "CopyrightAgreementType",
                    "Наименование правоустанавливающего документа на продажу и воспроизведение продукции"},
        CaptionCase{0, "ISSN", "ISSN( для периодики)"}, CaptionCase{0, "Annotation", "Аннотация"},
        CaptionCase{1, "Title", "Название (Основное заглавие)"}, CaptionCase{1, "Subtitle", "Жанр"},
        CaptionCase{1, "Actor2NamesBeforeKey", "Второй основной актер (Инициалы)"},
        CaptionCase{1, "ProduceDate", "Дата выпуска"},
        CaptionCase{1, "NotForSaleRegion", "Не для продажи на территории(регион)"},
        CaptionCase{1, "Annotation", "Аннотация"}, CaptionCase{2, "Title", "Наименование товара"},
        CaptionCase{2, "Subtitle", "Примечание к наименованию"}, CaptionCase{2, "Trademark", "Торговая марка"},
        CaptionCase{2, "Annotation", "Описание"}, CaptionCase{3, "Title", "Наименование товара"},
        CaptionCase{3, "S\xD1\x81reenType", "Тип дисплея"}, CaptionCase{3, "Network", "3G,4G"},
        CaptionCase{3, "CaseMaterial", "Материал корпуса, отделка"}, CaptionCase{3, "CoverImage", "Изображение, файл"},
        CaptionCase{4, "MapScale", "Сведения о математических данных (масштаб)"},
        CaptionCase{4, "Subtitle", "Сведения, относящиеся к заглавию"},
        CaptionCase{5, "Suitableforusewith", "Назначение картриджа"}, CaptionCase{5, "Annotation", "Описание"},
        CaptionCase{6, "NumberOfItemsOfThisForm", "Количество марок в серии (выпуске)"},
        CaptionCase{6, "Heightmm", "Высота, мм."}, CaptionCase{6, "PublishingDateFull", "Дата выпуска"},
        CaptionCase{6, "Artist", "Художник (Инициалы + Фамилия)"}, CaptionCase{7, "Painter", "Художник"},
        CaptionCase{7, "HightCoin", "Высота, мм."}, CaptionCase{7, "Morvel", "Номер по каталогу В.В.Морвеля"},
        CaptionCase{7, "Preserved", "Сохранность (для антикварных и старых монет)"},
        CaptionCase{8, "Title", "Название (Основное заглавие)"},
        CaptionCase{8, "ProductPackaging", "Индивидуальная упаковка"},
        CaptionCase{9, "Price", "Отпускная цена без НДС со скидкой"},
        CaptionCase{9, "RecommendedPrice", "Рекомендованная розничная цена, руб."},
        CaptionCase{9, "SalePlace", "Зона продажи"}, CaptionCase{9, "CountryName", "Страна происхождения"}),
    CaptionCaseName);

// A field the type does not list, an identifier in other letter case and the
// display type spelt with a Latin c all give no caption, which the column
// lookup reads as "not mapped".
INSTANTIATE_TEST_SUITE_P(NotInTheTable, CaptionOfField,
                         testing::Values(CaptionCase{1, "ISBN", ""}, CaptionCase{1, "PackQuantity", ""},
                                         CaptionCase{6, "EAN13", ""}, CaptionCase{9, "NotificationType", ""},
                                         CaptionCase{9, "Price01", ""}, CaptionCase{9, "DiscountPercent", ""},
                                         CaptionCase{9, "OnHand", ""}, CaptionCase{3, "Subtitle", ""},
                                         CaptionCase{0, "recordreference", ""}, CaptionCase{0, "ISBN ", ""},
                                         CaptionCase{3, "ScreenType", ""}, CaptionCase{0, "", ""}),
                         CaptionCaseName);

TEST(FieldCatalogue, DisplayTypeIdentifierCarriesCyrillicEs)
{
    const std::string id = kScreenTypeFieldID;
    EXPECT_EQ(id, "S\u0441reenType");
    EXPECT_EQ(id.size(), 11u);
    EXPECT_EQ(IdentifiersOf(3)[26], id);
}

TEST(FieldCatalogue, FieldCaptionsListsTheDigitalImageCaptionTwice)
{
    std::vector<std::string> list = {"left over"};
    list = FieldCaptions(TDocumentType::DigitalDevices);
    ASSERT_EQ(list.size(), 47u);
    EXPECT_EQ(list[14], "Изображение, файл");
    EXPECT_EQ(list[46], "Изображение, файл");
    EXPECT_EQ(std::count(list.begin(), list.end(), "Изображение, файл"), 2);
}

TEST(FieldCatalogue, FieldCaptionsForInvoiceStartsWithCodesAndName)
{
    std::vector<std::string> list;
    list = FieldCaptions(kInvoiceType);
    ASSERT_EQ(list.size(), 13u);
    EXPECT_EQ(std::vector<std::string>(list.begin(), list.begin() + 4),
              (std::vector<std::string>{"Артикул", "Штрих-код (EAN-13)", "ISBN", "Товарное наименование"}));
}

TEST(FieldCatalogue, CaptionsAreDistinctWithinATableExceptTheDigitalImage)
{
    for (int type = 0; type < kDocumentTypeCount; ++type) {
        const auto& table = FieldTable(TypeIndex(type));
        for (std::size_t i = 0; i < table.size(); ++i) {
            for (std::size_t j = i + 1; j < table.size(); ++j) {
                if (!SameTextIgnoreCase(table[i].FieldName, table[j].FieldName)) continue;
                const bool digitalImage = type == 3 && i == 14 && j == 46;
                EXPECT_TRUE(digitalImage) << "type " << type << ": " << table[i].FieldName;
                EXPECT_EQ(table[i].FieldID, table[j].FieldID);
            }
        }
    }
}

TEST(FieldCatalogue, CaptionsCanStandInASchemeLine)
{
    // The first "=" of a scheme line ends the caption, and the name part is
    // the caption and exactly one blank.
    for (int type = 0; type < kDocumentTypeCount; ++type) {
        for (const TFieldEntry& entry : FieldTable(TypeIndex(type))) {
            EXPECT_FALSE(entry.FieldName.empty());
            EXPECT_EQ(entry.FieldName.find('='), std::string::npos) << entry.FieldName;
            EXPECT_EQ(Trim(entry.FieldName), entry.FieldName);
        }
    }
}

TEST(FieldCatalogue, IdentifiersAreUniqueWithinATableExceptTheDigitalImage)
{
    for (int type = 0; type < kDocumentTypeCount; ++type) {
        IDs ids = IdentifiersOf(TypeIndex(type));
        std::sort(ids.begin(), ids.end());
        const auto duplicate = std::adjacent_find(ids.begin(), ids.end());
        if (type == 3) {
            ASSERT_NE(duplicate, ids.end());
            EXPECT_EQ(*duplicate, "CoverImage");
            EXPECT_EQ(std::adjacent_find(duplicate + 2, ids.end()), ids.end());
        } else {
            EXPECT_EQ(duplicate, ids.end()) << "type " << type << ": " << *duplicate;
        }
    }
}

TEST(FieldCatalogue, CorrespondenceKeysNameTheTypes)
{
    const std::vector<std::string> expected = {
        "PricelistCorrespondence", "MediaCorrespondence",    "OfficeCorrespondence",    "DigitCorrespondence",
        "MapsCorrespondence",      "SuppliesCorrespondence", "PhilatelyCorrespondence", "NumizmatCorrespondence",
        "CalendarCorrespondence",  "InvoiceCorrespondence",
    };
    for (int type = 0; type < kDocumentTypeCount; ++type)
        EXPECT_EQ(GetCorrespondenceParamName(TypeIndex(type)), expected[type]);
}

TEST(DocumentTypes, CaptionsOfTheDocumentTypeList)
{
    const std::vector<std::string> expected = {
        "Прайс-лист для книжных товаров",
        "Прайс-лист для медиа товаров",
        "Прайс-лист для канцелярских товаров",
        "Прайс-лист для цифровой техники",
        "Прайс-лист для карт (листовое издание)",
        "Прайс-лист для расходных материалов",
        "Прайс-лист для филателии",
        "Прайс-лист для нумизматики",
        "Прайс-лист для календарей",
        "Накладная",
    };
    for (int type = 0; type < kDocumentTypeCount; ++type)
        EXPECT_EQ(DocumentTypeCaption(TypeIndex(type)), expected[type]);
}
