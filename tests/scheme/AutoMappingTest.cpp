#include "scheme/AutoMapping.h"
#include "support/TypeIndex.h"
#include "scheme/ColumnLookup.h"
#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct AutoCase {
    const char* name;
    TypeIndex type;
    std::vector<std::string> columns;
    SchemeLines before;
    SchemeLines after;
    int mapped;
};

void PrintTo(const AutoCase& c, std::ostream* os)
{
    *os << c.name;
}

class AddConfidentMappingsTest : public ::testing::TestWithParam<AutoCase> {};

TEST_P(AddConfidentMappingsTest, AddsOnlyWhatIsNotMappedYet)
{
    const AutoCase& c = GetParam();
    SchemeLines lines = c.before;
    EXPECT_EQ(static_cast<int>(AddConfidentMappings(lines, c.type, c.columns).size()), c.mapped);
    EXPECT_EQ(lines, c.after);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AddConfidentMappingsTest, ::testing::Values(
    // The one price column is the list price.
    AutoCase{"ExactCaptionsInCatalogueOrder", 0, {"ISBN", "Артикул", "Цена"}, {},
             {"Артикул = Артикул", "ISBN = ISBN", "Отпускная цена без НДС = Цена"}, 3},
    AutoCase{"OtherCaseAndBlanks", 0, {"  артикул ", "ИЗДАТЕЛЬ"}, {},
             {"Артикул = артикул", "Издатель = ИЗДАТЕЛЬ"}, 2},
    AutoCase{"FirstOfDuplicateColumnsWins", 0, {"Издатель", "издатель"}, {}, {"Издатель = Издатель"}, 1},
    // No field holds a price with VAT.
    AutoCase{"AGuessIsNotAdded", 0, {"Код", "Цена с НДС"}, {"Артикул = Код"}, {"Артикул = Код"}, 0},
    AutoCase{"APriceNamedWithoutVatAmongSeveral", 0, {"Розница", "Цена опт", "Цена без НДС", "Цена с НДС"}, {},
             {"Отпускная цена без НДС = Цена без НДС"}, 1},
    AutoCase{"TheCodeYieldsToTheArticle", 0, {"Код", "Артикул"}, {}, {"Артикул = Артикул"}, 1},
    // What the user mapped is never replaced, even by a column of the same name.
    AutoCase{"KeepsWhatTheUserMapped", 0, {"Артикул", "ISBN", "Код", "Старый"},
             {"ISBN = Код", "артикул = Старый", "Цена"}, {"ISBN = Код", "артикул = Старый", "Цена"}, 0},
    // A line whose column the workbook lacks maps nothing: replaced in place.
    AutoCase{"ALineWhoseColumnIsAbsentIsReplaced", 0, {"Артикул", "ISBN"}, {"ISBN = ISBN", "Артикул = Нет такого"},
             {"ISBN = ISBN", "Артикул = Артикул"}, 1},
    AutoCase{"TwiceListedCaptionGivesOneLine", 3, {"Изображение, файл"}, {},
             {"Изображение, файл = Изображение, файл"}, 1},
    AutoCase{"CaptionsOfTheTypeOnly", 9, {"Товарное наименование", "Издатель"}, {},
             {"Товарное наименование = Товарное наименование"}, 1},
    // Names as suppliers write them: a 1C report's compound names, "_" for a
    // blank, Ukrainian words, a stock list's "ТМЦ", a part number.
    AutoCase{"OneCCompoundNames", 5, {"Номенклатура.Артикул", "Название_позиции", "Основна ціна продажу"}, {},
             {"Артикул = Номенклатура.Артикул", "Отпускная цена без НДС = Основна ціна продажу",
              "Наименование товара = Название_позиции"}, 3},
    AutoCase{"StockListOfParts", 3, {"Номер детали", "ТМЦ", "Отпускная цена (руб.)"}, {},
             {"Артикул = Номер детали", "Отпускная цена без НДС = Отпускная цена (руб.)", "Наименование товара = ТМЦ"},
             3}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The rows under the header settle what the names do not.
TEST(ProposeMappingsTest, ReadsTheRowsWhereNamesSayNothing)
{
    const auto pairs = [](TypeIndex type, const std::vector<std::string>& columns,
                          const std::vector<std::vector<std::string>>& rows) {
        std::vector<std::string> lines;
        for (const ProposedMapping& m : ProposeMappings({}, type, columns, rows))
            if (m.Confident()) lines.push_back(m.caption + " = " + m.column);
        return lines;
    };
    const std::vector<std::vector<std::string>> isbns{
        {"Книга", "978-5-17-118366-0"}, {"Проза"}, {"Книга", "9785171183660"}, {"Книга", "978 5 17 118366 0"}};
    // No column is named for the article: the identifier gives it.
    EXPECT_EQ(pairs(0, {"Название", "[B]"}, isbns),
              (std::vector<std::string>{"Артикул = [B]", "ISBN = [B]", "Название (Основное заглавие) = Название"}));
    // A type without an ISBN takes the codes as barcodes.
    EXPECT_EQ(
        pairs(3, {"Название", "[B]"}, isbns),
        (std::vector<std::string>{"Артикул = [B]", "Штрих-код (EAN-13) = [B]", "Наименование товара = Название"}));
    EXPECT_EQ(pairs(3, {"Название", "[B]"}, {{"x", "4607086560123"}, {"y", "4607086560123"}, {"z", "123"}}),
              (std::vector<std::string>{"Наименование товара = Название"}));
    // The code filled on every product row beats an article that is not.
    // Unnamed columns of codes and of names, where nothing is named for them;
    // quantities are no codes.
    EXPECT_EQ(pairs(0, {"[A]", "[B]", "[C]", "Цена"},
                    {{"5", "ЦБ-001", "Мастер и Маргарита", "100"},
                     {"3", "ЦБ-002", "Белая гвардия, роман", "90"},
                     {"-", "ЦБ-003", "Собачье сердце и повести", "80"}}),
              (std::vector<std::string>{"Артикул = [B]", "Отпускная цена без НДС = Цена",
                                        "Название (Основное заглавие) = [C]"}));
    // A column of unique codes nothing names; a row counter never, and a
    // sheet without an identifier gives its articles from the names.
    const std::vector<std::vector<std::string>> goods{
        {"Z-1", "Огурцы", "10"}, {"Z-2", "Томаты", "9"}, {"Z-3", "Перец", "8"}};
    EXPECT_EQ(pairs(5, {"Z-код", "Наименование", "Цена"}, goods),
              (std::vector<std::string>{"Артикул = Z-код", "Отпускная цена без НДС = Цена",
                                        "Наименование товара = Наименование"}));
    std::vector<std::vector<std::string>> counted = goods;
    for (std::size_t i = 0; i < counted.size(); ++i) counted[i][0] = std::to_string(1001 + i);
    EXPECT_EQ(pairs(5, {"№", "Наименование", "Цена", "[из названия]"}, counted),
              (std::vector<std::string>{"Артикул = [из названия]", "Отпускная цена без НДС = Цена",
                                        "Наименование товара = Наименование"}));
    const std::vector<std::string> named{"Код", "Артикул", "Название"};
    EXPECT_EQ(pairs(0, named, {{"1", "A-1", "x"}, {"2", "", "y"}, {"3", "A-3", "z"}}),
              (std::vector<std::string>{"Артикул = Код", "Название (Основное заглавие) = Название"}));
    EXPECT_EQ(pairs(0, named, {{"1", "A-1", "x"}, {"2", "A-2", "y"}}),
              (std::vector<std::string>{"Артикул = Артикул", "Название (Основное заглавие) = Название"}));
}

TEST(AddConfidentMappingsTest, MappedFieldsResolveToTheirColumns)
{
    const std::vector<std::string> columns = {"Цена", "ISBN", "Артикул"};
    SchemeLines lines;
    AddConfidentMappings(lines, TDocumentType::Books, columns);
    std::vector<std::string> captions;
    captions = FieldCaptions(TDocumentType::Books);
    EXPECT_EQ(GetColumnByFieldID("RecordReference", TDocumentType::Books, captions, lines, columns), 3);
    EXPECT_EQ(GetColumnByFieldID("ISBN", TDocumentType::Books, captions, lines, columns), 2);
    EXPECT_EQ(GetColumnByFieldID("Price", TDocumentType::Books, captions, lines, columns), 0);
}

} // namespace

namespace {

// Header rows with the field a person maps each column to ("" for a column
// left unmapped) and the columns that are only guesses.
struct HeaderRowCase {
    const char* name;
    TypeIndex type;
    std::vector<std::string> columns;
    std::vector<std::string> fieldIDs;
    std::vector<std::string> guessed;
};

// Header rows of real lists, each with where it was found, and a few written
// to show the normalising, an invoice and a near miss.
// clang-format off
const HeaderRowCase kHeaderRows[] = {
    // The typical book price list of the request for this mapping.
    {"BookPriceList", 0,
     {"Код", "Наименование", "Автор", "Издательство", "Год издания", "ISBN", "Страниц", "Переплет", "Цена, руб.",
      "Остаток"},
     {"RecordReference", "Title", "AuthorKeyNames", "Publisher", "PublicationDate", "ISBN", "NumberOfPages",
      "ProductFormForBook", "Price01", "OnHand"},
     {"Переплет"}},
    // A book wholesaler's price list read by a scraper
    // (github.com/ksusavershinina/scraper_project, main.py, mk_price_21-07-2023.csv).
    {"WholesalePriceList", 0,
     {"Код_циф", "ISBN", "Автор", "Название", "Издательство", "Город", "Год", "Цена", "Код_бук", "Кол-во стр.",
      "Формат", "Размер", "Вес", "Тип обл.", "Серия", "Стандарт", "тираж", "на складе"},
     {"RecordReference", "ISBN", "AuthorKeyNames", "Title", "Publisher", "CityOfPublication", "PublicationDate",
      "Price01", "", "NumberOfPages", "", "", "Weight", "ProductFormForBook", "Series", "PackQuantity",
      "InitialPrintRun", "OnHand"},
     {}},
    // A library's import of its book list (github.com/arinashai/dj_test_case, library/import_books.py).
    {"LibraryImport", 0,
     {"Авторы", "Название издания", "Вид издания", "Год издания", "Кол-во стр.", "Срок окончания авторского договора",
      "ISBN", "Аннотация"},
     {"AuthorKeyNames", "Title", "", "PublicationDate", "NumberOfPages", "", "ISBN", "Annotation"}, {}},
    // The export of an Android library app, as a catalogue importer documents it
    // (Robert Ternosky's Media Catalog import script, 2018).
    {"LibraryAppExport", 0,
     {"Title", "Authors", "Series", "Categories", "Published date", "Publisher", "Pages", "ISBN", "Read",
      "Reading periods", "Comments", "Summary", "Cover path"},
     {"Title", "AuthorKeyNames", "Series", "", "PublicationDate", "Publisher", "NumberOfPages", "ISBN", "", "", "",
      "Annotation", ""},
     {}},
    // A bookshop's table of books (an SQLAlchemy model, class BookInfo, books_info).
    {"BookshopTable", 0,
     {"Category", "Sku", "ISBN_13", "ISBN_10", "Title", "Author", "Publisher", "Year_Published", "Price"},
     {"", "RecordReference", "ISBN", "", "Title", "AuthorKeyNames", "Publisher", "PublicationDate", "Price01"},
     {}},
    // Auto parts from a supplier's price list (github.com/roganovich/pythonEmailPriceLoader, parsers/autoray.py).
    {"PartsPriceList", 5,
     {"КатНомер", "Наименование", "Производитель", "Применяемость", "Кроссы", "Цена", "Наличие"},
     {"RecordReference", "Title", "Trademark", "Suitableforusewith", "", "Price01", "OnHand"},
     {"Производитель"}},
    // A book shop's master sheet Книги.xlsx as its loader reads it (github.com/JayBhakhar/book_store, add_data.py).
    {"BookShopMasterSheet", 0,
     {"ISBN", "Автор", "Название", "Издательство", "язык_оригинала", "Год", "Кол-во_стр.", "Размер", "Вес", "Тип_обл.",
      "Аннотация", "файл_обложки", "id_книги_наш"},
     {"ISBN", "AuthorKeyNames", "Title", "Publisher", "OriginLanguage", "PublicationDate", "NumberOfPages", "",
      "Weight", "ProductFormForBook", "Annotation", "CoverImage", "RecordReference"},
     {}},
    // The Excel upload of a library site (github.com/Torsh41/Library_site, app/parse_excel.py).
    {"LibraryUpload", 0,
     {"Название", "Авторы", "Серия", "Категории", "Дата публикации", "Издательство", "Количество страниц", "ISBN",
      "Комментарии", "Краткое содержание", "Ссылка"},
     {"Title", "AuthorKeyNames", "Series", "", "PublicationDate", "Publisher", "NumberOfPages", "ISBN", "",
      "Annotation", ""},
     {}},
    // A school library's stock template written by its Java service (Apache POI, stock.xlsx).
    {"SchoolLibraryStock", 0,
     {"Предмет", "Параллель", "Название", "Авторы", "Издательство", "Год издания", "ISBN", "Всего", "Свободно",
      "В использовании"},
     {"", "", "Title", "AuthorKeyNames", "Publisher", "PublicationDate", "ISBN", "", "OnHand", ""},
     {}},
    // Book offers in Yandex Market's CSV feed, as its feed parser's tests give them.
    {"YandexMarketBooks", 0,
     {"id", "shop-sku", "price", "author", "name", "publisher", "series", "year", "isbn", "volume", "part", "language",
      "table-of-contents", "page-extent", "binding", "barcode"},
     {"", "RecordReference", "Price01", "AuthorKeyNames", "Title", "Publisher", "Series", "PublicationDate", "ISBN",
      "", "", "TextLanguage", "", "NumberOfPages", "ProductFormForBook", "EAN13"},
     {}},
    // A publisher's CSV price list in the design notes of a book price-list service (supplier Эксмо).
    {"PublisherCsvPriceList", 0,
     {"ISBN", "Название", "Автор", "Издательство", "Цена", "Наличие", "Валюта"},
     {"ISBN", "Title", "AuthorKeyNames", "Publisher", "Price01", "OnHand", ""},
     {}},
    // Books.csv of a book shop console program (C#).
    {"BookShopConsoleCsv", 0,
     {"Номер книги", "Название", "Жанр", "Автор", "Издательство", "Год издания", "Место издания", "Количество страниц",
      "Цена"},
     {"RecordReference", "Title", "", "AuthorKeyNames", "Publisher", "PublicationDate", "CityOfPublication",
      "NumberOfPages", "Price01"},
     {}},
    // A children's book supplier's workbook read by a marketplace bot (columns as the bot reads them).
    {"ChildrensBooksSupplier", 0,
     {"Баркод", "Возраст", "Габариты см", "Издательство", "Категория", "Кол-во страниц", "Название", "Описание",
      "Переплёт", "Под категория", "Ссылка на фото", "Цена"},
     {"EAN13", "AgeCategory", "", "Publisher", "", "NumberOfPages", "Title", "Annotation", "ProductFormForBook", "",
      "CoverImage", "Price01"},
     {"Переплёт"}},
    // A book shop's poetry section as a scraper of book24.ru writes it (Поэзия.csv).
    {"BookShopPoetry", 0,
     {"ISBN", "Название книги", "Автор", "Издательство", "Цена", "Рейтинг", "Количество оценок", "Раздел", "Подраздел",
      "Возрастное ограничение", "Переплет", "Бумага", "Год издания", "Количество страниц", "Описание"},
     {"ISBN", "Title", "AuthorKeyNames", "Publisher", "Price01", "", "", "", "", "AgeCategory", "ProductFormForBook",
      "", "PublicationDate", "NumberOfPages", "Annotation"},
     {"Переплет"}},
    // The same shop's fiction with both prices, by another scraper (books.csv).
    {"BookShopTwoPrices", 0,
     {"Название книги", "Автор", "Издательство", "Цена без скидки", "Цена со скидкой", "Рейтинг", "Количество оценок",
      "Раздел", "Подраздел", "Описание"},
     {"Title", "AuthorKeyNames", "Publisher", "Price01", "Price", "", "", "", "", "Annotation"},
     {}},
    // The table Книги of a book shop's PostgreSQL database (COPY column list).
    {"BookShopDatabase", 0,
     {"Код_книги", "Автор", "Название", "Издательство", "Цена", "Остаток"},
     {"RecordReference", "AuthorKeyNames", "Title", "Publisher", "Price01", "OnHand"},
     {}},
    // A record seller's Discogs inventory export (header of a Discogs API client's test).
    {"DiscogsInventory", 1,
     {"listing_id", "artist", "title", "label", "catno", "format", "release_id", "status", "price", "listed",
      "comments", "media_condition", "sleeve_condition", "accept_offer", "external_id", "weight", "format_quantity",
      "location", "quantity"},
     {"RecordReference", "VocalKeyNames", "Title", "Publisher", "", "ProductForm", "", "", "Price01", "", "", "", "",
      "", "", "Weight", "NumberOfPieces", "", "OnHand"},
     {"format"}},
    // The vinyl.ru catalogue CSV (github.com/sklart/vinyl-deals, tests/fixtures/vinyl_ru/catalog.csv).
    {"VinylShopCatalogue", 1,
     {"ID", "Название", "Цена", "Старая цена", "Наличие", "Формат", "Лейбл", "Каталожный номер", "Штрихкод", "Год",
      "Страна", "URL"},
     {"", "Title", "Price01", "", "OnHand", "ProductForm", "Publisher", "RecordReference", "EAN13", "PublicationDate",
      "ProduceCountryName", ""},
     {"Цена", "Формат"}},
    // The same catalogue's windows-1251 variant (github.com/sklart/vinyl-deals, VinylRuAdapter test).
    {"VinylShopWindows1251", 1,
     {"Исполнитель", "Альбом", "Артикул", "Цена в руб."},
     {"VocalKeyNames", "Title", "RecordReference", "Price01"},
     {}},
    // Audiobook offers in Yandex Market's CSV feed, as its feed parser's tests give them.
    {"YandexMarketAudiobooks", 1,
     {"id", "shop-sku", "price", "author", "name", "publisher", "series", "year", "isbn", "volume", "part", "language",
      "table-of-contents", "format", "performed_by", "performance_type", "storage", "recording_length", "barcode"},
     {"", "RecordReference", "Price01", "AuthorKeyNames", "Title", "Publisher", "Series", "PublicationDate", "", "",
      "", "", "", "DigitalFormat", "ReadByKeyNames", "", "ProductForm", "RecordLength", "EAN13"},
     {}},
    // The albums sheet of a music catalogue program's Excel export (C#, EPPlus).
    {"MusicCatalogueAlbums", 1,
     {"ID", "Название альбома", "Исполнитель", "Год выпуска", "Жанр", "Лейбл", "Рейтинг", "Количество треков",
      "Описание", "Путь к обложке"},
     {"RecordReference", "Title", "VocalKeyNames", "PublicationDate", "Subtitle", "Publisher", "", "TrackCount",
      "Annotation", "CoverImage"},
     {"ID"}},
    // A film collection written by a Python script (csv.DictWriter, ';').
    {"FilmCollection", 1,
     {"Название фильма", "Жанр", "Режиссер", "Год выпуска", "Длительность", "Студия", "Актёры"},
     {"Title", "Subtitle", "RegisserKeyNames", "PublicationDate", "RecordLength", "ProduceCompanyName",
      "Actor1KeyNames"},
     {}},
    // The games sheet of a video game catalogue's Excel export (FastAPI, openpyxl).
    {"VideoGamesSheet", 1,
     {"ID", "Название", "Разработчик", "Издатель", "Год", "Платформа", "Жанр", "Цена", "Рейтинг", "Metacritic",
      "Продажи (млн)", "Онлайн", "Отзывов"},
     {"RecordReference", "Title", "Developer", "Publisher", "PublicationDate", "", "Subtitle", "Price01", "", "", "",
      "", ""},
     {"ID"}},
    // The sales grid of a media shop program (C#), carriers in Носитель.
    {"MediaShopSales", 1,
     {"Номер", "Артикул", "Название", "Цена", "Количество", "Носитель", "Категория"},
     {"", "RecordReference", "Title", "Price01", "OnHand", "ProductForm", ""},
     {}},
    // Роспечать's table of stationery with quantities and prices (base.garant.ru/74343986).
    {"StationeryPurchases", 2,
     {"N", "Наименование товара", "Ед. изм.", "Кол-во ед. товара в год, шт.", "Максимальная цена за ед. товара, руб."},
     {"", "Title", "", "", "Price01"},
     {}},
    // The widely copied OfficeSupplies.csv (github.com/bentshib/rawdata).
    {"OfficeSuppliesSales", 2,
     {"OrderDate", "Region", "Rep", "Item", "Units", "Unit Price"},
     {"", "", "", "Title", "", "Price01"},
     {}},
    // The price-list template a phone reseller's bot sends its suppliers (aiogram, openpyxl).
    {"PhonePriceRequest", 3,
     {"SKU (Не менять!)", "Модель", "Память", "Цвет", "Сим", "ВАША ЦЕНА (Рубли)"},
     {"RecordReference", "Model", "InternalStorage", "Color", "", "Price01"},
     {"Память"}},
    // The devices sheet of a phone reseller's report export (TypeScript).
    {"PhoneResellerStock", 3,
     {"IMEI", "Модель", "Память", "Цвет", "АКБ", "Закупка ₽", "Продажа ₽", "Статус"},
     {"", "Model", "InternalStorage", "Color", "", "", "Price01", ""},
     {"Память"}},
    // The product catalogue CSV of an electronics shop program (C#, WPF).
    {"ElectronicsShopCatalogue", 3,
     {"ID", "Наименование", "Категория", "Штрих-код", "Производитель", "Модель", "Цена", "Гарантия (мес)", "Остаток"},
     {"RecordReference", "Title", "", "EAN13", "Trademark", "Model", "Price01", "Warranty", "OnHand"},
     {"ID", "Производитель"}},
    // The product import file of a phone shop program (Python, sqlite), lower case as written.
    {"PhoneShopImport", 3,
     {"название", "категория", "тип", "поставщик", "бренд", "модель", "цвет", "память", "ram", "состояние", "закупка",
      "цена", "количество", "мин_остаток", "артикул", "штрихкод", "imei", "серийник", "батарея_%", "комментарий"},
     {"Title", "", "", "", "Trademark", "Model", "Color", "InternalStorage", "Ram", "", "", "Price01", "OnHand", "",
      "RecordReference", "EAN13", "", "", "", ""},
     {"память"}},
    // The price-list format of the Onliner.by electronics catalogue (github.com/onlinerby/onliner-b2b-api,
    // formats.md).
    {"OnlinerShopPriceList", 3,
     {"category", "vendor", "model", "price", "currency", "comment", "producer", "importer", "serviceCenters",
      "warranty", "deliveryTownTime", "deliveryTownPrice", "deliveryCountryTime", "deliveryCountryPrice",
      "productLifeTime", "isCashless", "isCredit"},
     {"", "Trademark", "Model", "Price01", "", "", "", "", "", "Warranty", "", "", "", "", "", "", ""},
     {"price"}},
    // The supplier template of Yandex Market as its catalogue service's test quotes it.
    {"YandexMarketSupplier", 3,
     {"Ваш SKU", "Категория", "Артикул производителя", "Штрихкод", "Ваша цена", "НДС", "SKU на Яндексе",
      "Убрать из продажи", "Срок поставки", "Минимальная партия поставки", "Квант поставки", "Срок службы",
      "Код ТН ВЭД", "Дни поставки", "Срок годности", "Гарантийный срок", "Транспортная единица"},
     {"RecordReference", "", "", "EAN13", "Price01", "VAT", "", "", "", "", "", "", "", "", "", "Warranty", ""},
     {}},
    // The Yandex Kit import template with a scraper's smartphone columns (techno-buyer.ru scraper).
    {"YandexKitSmartphones", 3,
     {"KIT ID*", "Название товара*", "Артикул", "Описание товара", "Штрихкод", "Статус", "Цена до скидки, руб.",
      "Цена со скидкой, руб.", "Цена по акции, руб.", "Минимальная цена, руб.", "Приоритет в каталоге", "Ставка НДС",
      "Маркируемый товар", "Объединять по (Group ID)", "Группирующие характеристики", "Разделять на карточки по",
      "Бренд", "Категория 1-го уровня*", "Категория 2-го уровня", "Категория 3-го уровня", "Склад: Склад №1",
      "Внешний ID: 1C", "Внешний ID: МойСклад", "Внешний ID: Wildberries", "Внешний ID: Ozon", "Внешний ID: YML",
      "Внешний ID: Яндекс.Маркет", "Изображения и видео", "Ссылки на файлы", "Бейджи", "Количество упаковок",
      "Высота упаковки, см", "Ширина упаковки, см", "Длина упаковки, см", "Вес с упаковкой, г", "Цвет",
      "Объём встроенной памяти", "Тип связи", "Серия", "Процессор", "Диагональ", "Основная камера",
      "Фронтальная камера", "ОС", "Защита от воды", "Разъём", "Год модели"},
     {"", "Title", "RecordReference", "Annotation", "EAN13", "", "Price01", "Price", "", "", "", "VAT", "", "", "", "",
      "Trademark", "", "", "", "OnHand", "", "", "", "", "", "", "CoverImage", "", "", "", "", "", "", "Weight",
      "Color", "InternalStorage", "Network", "Series", "ProcessorDescriptive", "ScreenSize", "RearCamera",
      "FrontCamera", "OperatingSystem", "", "", ""},
     {}},
    // The collection sheet OldMapsOnline asks of a map library (github.com/daliborjanak/www.oldmapsonline.org,
    // contribute.md).
    {"OldMapsCollection", 4,
     {"id", "viewer", "title", "date_from", "date_to", "north", "south", "east", "west"},
     {"RecordReference", "", "Title", "", "", "", "", "", ""},
     {"id"}},
    // The catalogue of nautical charts mxmcc builds (github.com/manimaul/mxmcc, catalog.py).
    {"NauticalCharts", 4,
     {"path", "name", "zoom", "scale", "date", "depths", "outline"},
     {"", "Title", "", "MapScale", "", "", ""},
     {}},
    // Cartridges by printer model for an Excel importer (github.com/hlebuschek/printer-inventory-django).
    {"PrinterCartridges", 5,
     {"Производитель", "Модель оборудования", "Картридж", "Артикул", "Цвет", "Ресурс", "Комментарий"},
     {"", "Suitableforusewith", "Title", "RecordReference", "Color", "", ""},
     {}},
    // Kolobox's price list of wheel bolts and nuts (github.com/skladkoles44/tirehub-system,
    // KOLOBOX_XLS_CONTRACT_V1.md).
    {"WheelFasteners", 5,
     {"Вид к-ции", "Резьба", "Длина общ", "Ключ", "Посад", "Секрет", "Артикул", "Код 1С", "Марка (бренд)",
      "Наименование", "Опт", "Розничная", "МИЦ", "Центр. Склад", "Саранск опт", "Тольятти опт(АХ)",
      "Уфа опт(Соединительное шоссе)", "Заказ"},
     {"", "", "", "", "", "", "RecordReference", "", "Trademark", "Title", "Price01", "", "", "OnHand", "", "", "", ""},
     {"Опт"}},
    // A truck parts dealer's price list for the ZZap marketplace (github.com/Just1ce013/price-lists-creator).
    {"TruckPartsZZap", 5,
     {"Производитель", "Номер производителя", "Наименование", "Цена", "Количество", "Срок поставки",
      "Ссылка на фото запчасти"},
     {"Trademark", "RecordReference", "Title", "Price01", "OnHand", "", "CoverImage"},
     {"Производитель"}},
    // The same dealer's list for Autopiter and Armtek (github.com/Just1ce013/price-lists-creator).
    {"TruckPartsAutopiter", 5,
     {"Производитель", "Артикул", "Наименование", "Цена", "Остатки"},
     {"Trademark", "RecordReference", "Title", "Price01", "OnHand"},
     {"Производитель"}},
    // The same dealer's list for SPL with stock per warehouse (github.com/Just1ce013/price-lists-creator).
    {"TruckPartsSPL", 5,
     {"Производитель", "Артикул", "Код", "Название", "Цена для всех складов", "Общее количество деталей в наличии",
      "г.Челябинск, ул.Линейная 98", "г.Челябинск, ул.Линейная 98, цена", "Ссылки на изображения"},
     {"Trademark", "RecordReference", "", "Title", "Price01", "OnHand", "", "", "CoverImage"},
     {"Производитель"}},
    // The same dealer's price sheet for ЦФК (github.com/Just1ce013/price-lists-creator).
    {"TruckPartsCfk", 5,
     {"IDТовара", "Наименование", "ЦенаБезНДС", "СтавкаНДС", "ЦенаСНДС", "КодВалюты", "КодЕдиницыИзмерения"},
     {"RecordReference", "Title", "Price01", "VAT", "", "", ""},
     {}},
    // A car parts supplier's CSV price list (github.com/Abo5500/TestRR, PriceItemTakerTests.cs).
    {"CarPartsSupplier", 5,
     {"Номенклатура", "Бренд", "Артикул", "Описание", "Вес/Объем", "Кратность отгрузки", "Цена, руб.",
      "Базовая цена, руб", "Наличие", "Срок поставки, дн.", "Каталожный номер", "OEМ Номер", "Применимость",
      "Вендор-код"},
     {"Title", "Trademark", "RecordReference", "Annotation", "", "", "Price", "Price01", "OnHand", "", "", "",
      "Suitableforusewith", ""},
     {}},
    // The list of Soviet stamps of 1987 (Wikipedia, «Знаки почтовой оплаты СССР (1987)»).
    {"SovietStamps1987", 6,
     {"№ по каталогу", "Изображение", "Описание и источники", "Номинал", "Дата выпуска", "Тираж", "Художник"},
     {"RecordReference", "CoverImage", "Annotation", "", "PublishingDateFull", "InitialPrintRun", "Artist"},
     {"№ по каталогу"}},
    // The stamps table of a collector's catalogue site (github.com/DmchFast/helper_philatelist, AdminStampsTable.jsx).
    {"StampCatalogueAdmin", 6,
     {"Марка", "Страна", "Серия", "Год", "Действия"},
     {"Title", "", "Series", "PublishingDateFull", ""},
     {"Год"}},
    // The stamps table of a collection database client (JavaFX, TableManager.java).
    {"StampCollectionDb", 6,
     {"Название", "Серия", "Номинал", "Денежная единица номинала", "Художник", "Год выпуска", "Тираж", "Печать",
      "Перфорация", "Зубцовка", "Дата поступдения в коллекцию", "Стоимость, рубли"},
     {"Title", "Series", "", "", "Artist", "PublishingDateFull", "InitialPrintRun", "PrintMethod", "", "Perforation",
      "", "Price01"},
     {"Стоимость, рубли"}},
    // stamps.csv of a collection cabinet program (github.com/timtrottcodes/cabinara).
    {"StampCabinet", 6,
     {"id", "country", "series", "title", "date", "year", "denomination", "currency", "value", "special", "condition",
      "format", "color", "perforation", "watermark", "printingMethod", "catalog_SG", "catalog_Scott", "tags",
      "acquired_method", "acquired_date", "acquired_price", "acquired_seller", "image", "thumbnail", "specialFeatures",
      "notes"},
     {"RecordReference", "", "Series", "Title", "", "PublishingDateFull", "", "", "", "", "", "", "Color", "Perforation", "Watermark", "PrintMethod", "STANLEY_GIBBONS", "SCOTT", "KeyWords", "", "", "Price01", "", "CoverImage", "", "", ""},
     {"id", "year"}},
    // Coin lots of the wolmar.ru auction as a saved results page shows them
    // (github.com/Plutarxi99/walmar_numizmat_parser).
    {"CoinAuctionResults", 7,
     {"ID", "Название", "Год", "Буквы", "Металл, гр", "Сохранность", "Лидер", "Ставок", "Сумма, руб", "Закрытие"},
     {"RecordReference", "Title", "PublishingDateFull", "", "Metal", "Preserved", "", "", "", ""},
     {"ID", "Год"}},
    // A collector's table of world coins (rsnk96.github.io, numismatics-world-coins).
    {"WorldCoins", 7,
     {"Denomination", "Country", "Year", "Comments", "Mint", "Metal"},
     {"Denomination", "ProduceCountryName", "PublishingDateFull", "", "Mint", "Metal"},
     {"Year"}},
    // The coins table of a collection database client (JavaFX, TableManager.java).
    {"CoinCollectionDb", 7,
     {"Название", "Серия", "Номинал", "Денежная единица номинала", "Год выпуска", "Тираж", "Качество чеканки",
      "Материал", "Диаметр, мм", "Толщина, мм", "Масса, г", "Дата поступления в коллекцию", "Стоимость, рубли"},
     {"Title", "Series", "Denomination", "", "PublishingDateFull", "InitialPrintRun", "CoinQuality", "Metal",
      "Diameter", "ThinCoin", "WeightCoin", "", "Price01"},
     {"Стоимость, рубли"}},
    // The coin import file of a Russian coin site (github.com/nezhnik/omonete, foreign-coins-test.csv).
    {"ForeignCoinsImport", 7,
     {"title", "series", "country", "face_value", "release_date", "mint", "mint_short", "metal", "metal_fineness",
      "mintage", "mintage_display", "weight_g", "weight_oz", "catalog_number", "catalog_suffix", "quality",
      "diameter_mm", "thickness_mm", "length_mm", "width_mm", "image_obverse", "image_reverse"},
     {"Title", "Series", "ProduceCountryName", "Denomination", "PublishingDateFull", "Mint", "", "Metal", "",
      "InitialPrintRun", "", "WeightCoin", "", "", "", "CoinQuality", "Diameter", "ThinCoin", "HightCoin", "WidthCoin",
      "CoverImage", ""},
     {}},
    // A catalogue of Bengal sultanate coins (github.com/AthoyeMahmud/Coins-of-Bengal, coins.csv).
    {"BengalCoins", 7,
     {"Coin No.", "Ruler (or Issuer)", "Reign", "Metal", "Weight (g)", "Dimension (mm)", "Mint", "Date of Issue"},
     {"RecordReference", "Ruler", "", "Metal", "WeightCoin", "", "Mint", "PublishingDateFull"},
     {}},
    // A coin dealer's table of silver coins with their marketplaces (PySide6, SilverTableModel).
    {"SilverCoinsDealer", 7,
     {"Статус", "Страна", "Номинал", "Год", "Примечания", "№", "Цена в коллекцию", "Цена продажи", "Авито", "LAVE",
      "Мешок", "UCOIN", "MIN", "План"},
     {"", "ProduceCountryName", "Denomination", "PublishingDateFull", "", "", "", "Price01", "", "", "", "", "", ""},
     {"Год", "Цена продажи"}},
    // A printing house's prices of pocket calendars by run (github.com/AlLosevK/treprint, calendar.php).
    {"PocketCalendarPrices", 8,
     {"карманные календари 100x70", "500 шт", "1000 шт", "2000 шт", "3000 шт", "5000 шт", "8000 шт", "10000 шт",
      "15000 шт", "20000 шт"},
     {"", "", "", "", "", "", "", "", "", ""},
     {}},
    // Another printing house's prices of quarterly calendars (github.com/HikkaTown/typography).
    {"QuarterlyCalendarPrices", 8,
     {"Количество", "ЦЕНА", "Средняя по рынку"},
     {"OnHand", "Price01", ""},
     {}},
    // The positions of a УПД built from 1C:Fresh data (github.com/chilikinid/OneCFreshInvoiceODataBot_V2).
    {"UniversalTransferDocument", 9,
     {"№ п/п", "Наименование товара (описание выполненных работ, оказанных услуг)", "Код товара/работ",
      "Код вида товара", "Артикул", "Код", "Ед.", "Кол-во", "Цена", "Стоимость без НДС", "Акциз", "Ставка НДС",
      "Сумма НДС", "Стоимость с НДС", "Страна", "ГТД"},
     {"", "ProductName", "", "", "RecordReference", "", "", "Amount", "Price", "", "", "VAT", "", "", "CountryName",
      "GTDNo"},
     {}},
    // A warehouse program's goods card with customs data (github.com/korableva-daniela/warehouse, mov_pro.cs).
    {"WarehouseGoodsCard", 9,
     {"Код товара", "Название товара", "Тип", "Производитель", "Количество", "Базовая единица измерения",
      "код по ОКЕИ", "Страна производитель", "Код страны производителя", "Номер ГТД", "Номер РНПТ", "НДС",
      "Номер ставка акциза", "Номер ЕГАИС."},
     {"RecordReference", "ProductName", "", "", "Amount", "", "", "CountryName", "CountryCode", "GTDNo", "", "VAT", "",
      ""},
     {}},
    // The goods table of a ТОРГ-12 a plant's ERP writes (github.com/EugeneMukhamedshin/Rti,
    // GetShipmentTorg12Report.xslt).
    {"Torg12", 9,
     {"Номер по порядку", "Наименование, характеристика, сорт, артикул товара", "код", "наименование", "код по ОКЕИ",
      "Вид упаковки", "в одном месте", "мест,    штук", "Масса, брутто", "Количество  (масса, нетто)",
      "Цена,    руб. коп.", "Сумма без учета НДС, руб. коп.", "ставка, %", "сумма, руб. коп.",
      "Сумма с учетом НДС, руб. коп."},
     {"", "ProductName", "RecordReference", "", "", "", "PackQuantity", "", "", "Amount", "Price", "", "VAT", "", ""},
     {"ставка, %"}},
    // The positions of a УПД (2013 layout) from the same ERP (github.com/EugeneMukhamedshin/Rti).
    {"UniversalTransferDocument2013", 9,
     {"№     п/п", "Код товара  /работ, услуг",
      "Наименование товара (описание выполненных работ, оказанных услуг) , имущественного права", "Код",
      "Условное обозначение   (националь-ное)", "Количе-ство   (объем)", "Цена  (тариф) за единицу измерения",
      "Стоимость товаров                  ( работ,услуг), имущественных прав без налога- всего",
      "В том числе сумма акциза", "Налого-вая ставка", "Сумма налога предъ-являемая покупателю",
      "Стоимость товаров          ( работ,услуг), имущественных прав с  налогом- всего", "Цифровой код",
      "Краткое наимено-вание", "Номер таможенной деклорации"},
     {"", "RecordReference", "ProductName", "", "", "Amount", "Price", "", "", "VAT", "", "", "CountryCode",
      "CountryName", "GTDNo"},
     {"Код товара  /работ, услуг"}},
    // Orders exported for Xero's sales invoice import (github.com/encapuk/helloxero, Csv.php).
    {"XeroSalesInvoices", 9,
     {"*ContactName", "EmailAddress", "POAddressLine1", "POAddressLine2", "POAddressLine3", "POAddressLine4", "POCity",
      "PORegion", "POPostalCode", "POCountry", "*InvoiceNumber", "Reference", "*InvoiceDate", "*DueDate", "Total",
      "InventoryItemCode", "*Description", "*Quantity", "*UnitAmount", "Discount", "*AccountCode", "*TaxType",
      "TaxAmount", "TrackingName1", "TrackingOption1", "TrackingName2", "TrackingOption2", "Currency", "BrandingTheme"},
     {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "RecordReference", "ProductName", "Amount", "Price",
      "", "", "", "", "", "", "", "", "", ""},
     {}},
    // Invoice lines from QuickBooks as allocPSA takes them (github.com/cyberitsolutions/alloc, invoicesUploadM.tpl).
    {"QuickBooksInvoiceLines", 9,
     {"Type", "Date", "Num", "Name", "Memo", "Qty", "Sales Price", "Amount"},
     {"", "", "", "", "ProductName", "Amount", "Price", ""},
     {}},
    // Case, "ё", line breaks, units and hyphens do not count.
    {"WrittenAnyHow", 0,
     {"ШТРИХ-КОД", "Кол-во\nстраниц", "Вес, г", "Скидка, %", "Серия ", "Кол-во в упаковке"},
     {"EAN13", "NumberOfPages", "Weight", "DiscountPercent", "Series", "PackQuantity"}, {}},
    {"Invoice", 9,
     {"№", "Артикул", "Наименование товара", "Кол-во, шт", "Цена без НДС", "Ставка НДС", "Страна происхождения",
      "Номер ГТД"},
     {"", "RecordReference", "ProductName", "Amount", "Price", "VAT", "CountryName", "GTDNo"}, {}},
    {"StationeryWithANearMiss", 2, {"Наименвание", "Торговая марка", "Страна производства", "Цвет"},
     {"Title", "Trademark", "ProduceCountryName", ""}, {}},
};
// clang-format on

std::string FieldOfCaption(const std::string& caption, TypeIndex type)
{
    for (const TFieldEntry& field : FieldTable(type))
        if (field.FieldName == caption) return field.FieldID;
    return {};
}

// At least nine in ten of the columns a person maps are proposed with their
// field; no confident pair is ever wrong, and a guess is never confident.
TEST(HeaderRowMappingTest, ProposesWhatAPersonMaps)
{
    std::size_t mapped = 0;
    std::size_t right = 0;
    for (const HeaderRowCase& c : kHeaderRows) {
        const std::vector<ProposedMapping> proposed = ProposeMappings({}, c.type, c.columns);
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            const std::string column = Trim(c.columns[i]);
            // The article an identifier's column also gives comes after
            // the identifier's own pair.
            auto found = std::find_if(proposed.begin(), proposed.end(), [&](const ProposedMapping& m) {
                return m.column == column && FieldOfCaption(m.caption, c.type) != "RecordReference";
            });
            if (found == proposed.end())
                found = std::find_if(proposed.begin(), proposed.end(),
                                     [&](const ProposedMapping& m) { return m.column == column; });
            const bool guessed = std::find(c.guessed.begin(), c.guessed.end(), c.columns[i]) != c.guessed.end();
            if (found != proposed.end() && found->Confident()) {
                EXPECT_EQ(FieldOfCaption(found->caption, c.type), c.fieldIDs[i]) << c.name << ": " << column;
                EXPECT_FALSE(guessed) << c.name << ": " << column << " is only a guess";
            }
            if (c.fieldIDs[i].empty()) continue;
            ++mapped;
            if (found != proposed.end() && FieldOfCaption(found->caption, c.type) == c.fieldIDs[i]) ++right;
        }
    }
    EXPECT_GE(right * 10, mapped * 9) << right << " of " << mapped;
}

TEST(FindHeaderRowTest, IsTheRowBelowTheTitleBlock)
{
    EXPECT_EQ(FindHeaderRow(TDocumentType::Books, {{"ООО «Книжный дом»"},
                                                   {"Прайс-лист на 05.03.2024"},
                                                   {},
                                                   {"Код", "Наименование", "Автор", "Цена"},
                                                   {"K-1", "Книга", "Пушкин", "100"}}),
              4);
    EXPECT_EQ(FindHeaderRow(TDocumentType::Books, {{"x"}, {"1", "2"}}), 0);
}

} // namespace
