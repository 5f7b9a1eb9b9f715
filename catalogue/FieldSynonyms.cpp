#include "catalogue/FieldSynonyms.h"

#include "catalogue/FieldCatalogue.h"

#include <algorithm>

namespace {

constexpr TDocumentType kBooks = 0;
constexpr TDocumentType kMedia = 1;
constexpr TDocumentType kStationery = 2;
constexpr TDocumentType kDevices = 3;
constexpr TDocumentType kMaps = 4;
constexpr TDocumentType kConsumables = 5;
constexpr TDocumentType kStamps = 6;
constexpr TDocumentType kCoins = 7;
constexpr TDocumentType kCalendars = 8;
constexpr TDocumentType kInvoice = 9;
const std::vector<TDocumentType> kPriceLists {kBooks, kMedia, kStationery, kDevices, kMaps,
                                              kConsumables, kStamps, kCoins, kCalendars};

// One row of the table: the names of a field in the document types listed
// (none listed: every type that has the field). A field may have rows for
// different types where the types give a word different meanings.
struct SynonymRow {
    const char* fieldID;
    std::vector<TDocumentType> types;
    std::vector<std::string> names;
    std::vector<std::string> guesses;
};

// Price lists, then invoices. A word two fields of one type could mean is a
// guess for the one it means most often, or is left out.
const std::vector<SynonymRow>& Rows()
{
    static const std::vector<SynonymRow> rows = {
        // Identification.
        {"RecordReference", {},
         {"Артикул", "Код товара", "Код продукта", "Код издания", "Код позиции", "Артикул поставщика", "Арт",
          "Артикул товара", "Код номенклатуры", "Код в каталоге", "Каталожный номер", "КатНомер", "SKU", "Article", "Item code", "Product code",
          "Item no"},
         {"Код", "Code", "ID", "Номер"}},
        {"EAN13", {},
         {"Штрихкод", "Штрих-код", "Штрих код", "ШК", "EAN", "EAN13", "EAN-13", "Barcode", "Bar code", "GTIN",
          "Штрихкод EAN", "Код EAN"},
         {}},
        {"ISBN", {}, {"ISBN", "ISBN-13", "ISBN13", "ИСБН", "ISBN/ISSN"}, {}},
        {"ISSN", {}, {"ISSN"}, {}},
        {"NotificationType", {}, {"Статус", "Статус позиции"}, {}},
        {"ProductAvailability", {}, {"Доступность", "Код доступности", "Availability"}, {"Наличие", "В наличии"}},

        // Prices, quantities and tax of a price list.
        {"Price01", {},
         {"Цена без НДС", "Отпускная цена", "Цена отпускная", "Цена без скидки", "Цена прайса", "Прайсовая цена",
          "Базовая цена", "Цена по прайсу", "List price"},
         {"Цена", "Цена с НДС", "Оптовая цена", "Цена опт", "Стоимость", "Price", "Цена за шт", "Цена за единицу"}},
        {"Price", kPriceLists, {"Цена со скидкой", "Цена с учетом скидки", "Цена со скидкой без НДС"}, {}},
        {"DiscountPercent", {}, {"Скидка", "Процент скидки", "Скидка в процентах", "Discount"}, {}},
        {"VAT", kPriceLists, {"Ставка НДС", "НДС", "НДС ставка", "Ставка налога", "VAT", "VAT rate"}, {}},
        {"OnHand", {},
         {"Остаток", "Остатки", "Остаток на складе", "Количество на складе", "Кол-во на складе", "Свободный остаток",
          "На складе", "Stock", "In stock"},
         {"Количество", "Кол-во", "Склад", "Qty", "Quantity"}},
        {"PackQuantity", {kBooks, kMaps, kCalendars},
         {"В упаковке", "Кол-во в упаковке", "Количество в упаковке", "Кол-во в пачке", "В пачке", "Кратность",
          "Штук в упаковке", "Стандарт", "Pack"},
         {"Упаковка", "Пачка"}},

        // Books and what is published like them.
        {"Title", {kBooks, kMedia, kMaps, kCalendars, kStamps, kCoins},
         {"Наименование", "Название", "Наименование товара", "Название книги", "Наименование издания", "Заглавие",
          "Название издания", "Title", "Name", "Book title", "Product name"},
         {}},
        {"Title", {kStationery, kDevices, kConsumables},
         {"Наименование", "Название", "Наименование товара", "Товар", "Название товара", "Name", "Product name",
          "Title"},
         {}},
        {"Subtitle", {}, {"Подзаголовок", "Subtitle"}, {}},
        {"AuthorKeyNames", {kBooks, kMedia}, {"Автор", "Авторы", "Автор книги", "ФИО автора", "Author", "Authors"}, {}},
        {"Translated", {}, {"Переводчик", "Перевод", "Translator"}, {}},
        {"Artist", {kBooks, kStamps}, {"Художник", "Иллюстратор", "Иллюстрации", "Illustrator"}, {}},
        {"Editor", {}, {"Редактор", "Editor"}, {}},
        {"Compiled", {}, {"Составитель", "Сост", "Compiler"}, {}},
        {"Series", {}, {"Серия", "Книжная серия", "Название серии", "Series"}, {}},
        {"Publisher", {},
         {"Издательство", "Изд-во", "Издатель", "Изд", "Издательство/бренд", "Publisher"}, {}},
        {"CityOfPublication", {}, {"Город", "Город издания", "Место издания"}, {}},
        {"PublicationDate", {kBooks, kMaps, kCalendars, kMedia},
         {"Год издания", "Год выпуска", "Год", "Дата издания", "Дата выхода", "Year", "Publication year",
          "Publication date", "Published date", "Year published"},
         {}},
        {"InitialPrintRun", {}, {"Тираж", "Тираж, экз", "Print run"}, {}},
        {"NumberOfPages", {},
         {"Страниц", "Количество страниц", "Кол-во страниц", "Кол-во стр", "Стр", "Объем", "Объем, стр", "Число страниц",
          "Pages", "Page count"},
         {}},
        {"ProductFormForBook", {}, {"Тип обложки", "Тип обл", "Вид обложки", "Тип переплета", "Binding"},
         {"Переплет", "Обложка"}},
        {"CoverDetail", {}, {"Особенности переплета", "Отделка переплета"}, {}},
        {"EditionStatement", {}, {"Номер издания", "Edition"}, {"Издание"}},
        {"UDC", {}, {"УДК"}, {}},
        {"BBK", {}, {"ББК"}, {}},
        {"KTK", {}, {"КТК"}, {}},
        {"TextLanguage", {}, {"Язык", "Язык издания", "Language"}, {}},
        {"OriginLanguage", {}, {"Язык оригинала", "Original language"}, {}},
        {"Weight", {}, {"Вес", "Масса", "Вес издания", "Вес, кг", "Weight"}, {}},
        {"Height", {}, {"Высота", "Height"}, {}},
        {"Width", {}, {"Ширина", "Width"}, {}},
        {"Thickness", {}, {"Толщина", "Корешок", "Thickness"}, {}},
        {"Dimensions", {}, {"Формат", "Формат издания", "Размер", "Format"}, {}},
        {"Annotation", {},
         {"Аннотация", "Описание", "Краткое описание", "Описание товара", "Annotation", "Description", "Summary"}, {}},
        {"CoverImage", {}, {"Изображение", "Картинка", "Фото", "Ссылка на изображение", "Image", "Picture"}, {}},
        {"IllustrationsNote", {}, {"Сведения об иллюстрациях"}, {}},
        {"RecommendedBy", {}, {"Гриф"}, {}},
        {"Super", {}, {"Суперобложка"}, {}},
        {"Periodicity", {}, {"Периодичность"}, {}},
        {"SubscriptionIndex", {}, {"Подписной индекс", "Индекс издания"}, {}},
        {"AgeCategory", {},
         {"Возраст", "Возрастное ограничение", "Возрастная категория", "Возрастной ценз", "Маркировка возраста", "Age"},
         {}},

        // Audio and video.
        {"ComposerKeyNames", {}, {"Композитор", "Composer"}, {}},
        {"RegisserKeyNames", {}, {"Режиссер", "Director"}, {}},
        {"ProdusKeyNames", {}, {"Продюсер", "Producer"}, {}},
        {"VocalKeyNames", {}, {"Исполнитель", "Вокалист"}, {}},
        {"ReadByKeyNames", {}, {"Читает", "Чтец", "Исполнитель текста"}, {}},
        {"ProductForm", {}, {"Носитель", "Тип носителя", "Media"}, {}},
        {"RecordLength", {}, {"Продолжительность", "Длительность", "Время звучания", "Duration"}, {}},
        {"NumberOfPieces", {}, {"Количество дисков", "Кол-во дисков"}, {}},
        {"TrackCount", {}, {"Количество треков", "Треков"}, {}},
        {"ProduceDate", {}, {"Дата выпуска", "Release date"}, {}},
        {"Manufacturer", {}, {"Производитель", "Manufacturer"}, {}},
        {"Distributor", {}, {"Дистрибьютор", "Распространитель", "Distributor"}, {}},

        // Goods.
        {"Trademark", {}, {"Бренд", "Торговая марка", "Марка", "ТМ", "Brand", "Trademark"}, {"Производитель"}},
        {"ProduceCountryName", {},
         {"Страна", "Страна производства", "Страна-производитель", "Страна изготовления", "Country of origin",
          "Country"},
         {"Страна происхождения"}},
        {"Model", {}, {"Модель", "Model"}, {}},
        {"Color", {}, {"Цвет", "Расцветка", "Colour", "Color"}, {}},
        {"Warranty", {}, {"Гарантия", "Гарантийный срок", "Warranty"}, {}},
        {"ScreenSize", {}, {"Диагональ", "Диагональ экрана"}, {}},
        {"OperatingSystem", {}, {"ОС", "Operating system"}, {}},
        {"PartNumber", {}, {"Парт-номер", "Part number", "PN"}, {}},
        {"MapScale", {}, {"Масштаб", "Scale"}, {}},

        // Stamps and coins.
        {"Theme", {}, {"Тема", "Тематика"}, {}},
        {"MICHEL", {}, {"Michel", "Каталог Michel"}, {}},
        {"SCOTT", {}, {"Scott", "Каталог Scott"}, {}},
        {"Denomination", {}, {"Номинал", "Denomination"}, {}},
        {"Metal", {}, {"Металл", "Материал", "Metal"}, {}},
        {"Mint", {}, {"Монетный двор", "Mint"}, {}},
        {"Diameter", {}, {"Диаметр", "Diameter"}, {}},
        {"WeightCoin", {}, {"Вес", "Масса", "Weight"}, {}},
        {"CoinQuality", {}, {"Качество", "Качество чеканки"}, {}},
        {"Preserved", {}, {"Сохранность"}, {}},
        {"PublishingDateFull", {kStamps, kCoins}, {"Дата выпуска", "Год выпуска"}, {"Год"}},

        // Invoices: the price is the one price of a position, a bare tax
        // column may hold the amount as well as the rate.
        {"ProductName", {},
         {"Товарное наименование", "Наименование", "Наименование товара", "Название", "Товар", "Номенклатура",
          "Наименование продукции", "Product name", "Name", "Description", "Item"},
         {}},
        {"Amount", {},
         {"Количество", "Кол-во", "Кол", "Количество, шт", "Заказано", "Отгружено", "Qty", "Quantity"}, {}},
        {"Price", {kInvoice},
         {"Цена без НДС", "Цена за единицу без НДС", "Цена, руб без НДС", "Unit price"},
         {"Цена", "Цена с НДС", "Цена за шт", "Price"}},
        {"RecommendedPrice", {},
         {"Рекомендованная цена", "Рекомендуемая цена", "РРЦ", "Розничная цена", "Рекомендованная розничная цена",
          "RRP"},
         {}},
        {"VAT", {kInvoice}, {"Ставка НДС", "НДС ставка", "Ставка налога", "VAT rate"}, {"НДС", "VAT"}},
        {"PackQuantity", {kInvoice}, {"В упаковке", "Кол-во в упаковке", "Количество в упаковке", "Кратность"}, {"Упаковка"}},
        {"GTDNo", {},
         {"ГТД", "Номер ГТД", "№ ГТД", "Номер таможенной декларации", "Таможенная декларация", "ДТ", "Номер ДТ",
          "Регистрационный номер таможенной декларации"},
         {}},
        {"CountryCode", {}, {"Код страны", "Код страны происхождения", "Цифровой код страны"}, {}},
        {"CountryName", {}, {"Страна", "Страна происхождения", "Страна происхождения товара", "Country"}, {}},
    };
    return rows;
}

bool TypeHasField(TDocumentType type, const std::string& fieldID)
{
    const auto& table = FieldTable(type);
    return std::any_of(table.begin(), table.end(), [&](const TFieldEntry& f) { return f.FieldID == fieldID; });
}

} // namespace

std::vector<FieldSynonyms> SynonymsOf(TDocumentType type)
{
    std::vector<FieldSynonyms> synonyms;
    for (const TFieldEntry& field : FieldTable(type)) {
        if (std::any_of(synonyms.begin(), synonyms.end(), [&](const FieldSynonyms& s) { return s.fieldID == field.FieldID; }))
            continue;
        FieldSynonyms entry {field.FieldID, {}, {}};
        for (const SynonymRow& row : Rows()) {
            if (row.fieldID != field.FieldID) continue;
            if (!row.types.empty() && std::find(row.types.begin(), row.types.end(), type) == row.types.end()) continue;
            entry.names.insert(entry.names.end(), row.names.begin(), row.names.end());
            entry.guesses.insert(entry.guesses.end(), row.guesses.begin(), row.guesses.end());
        }
        if (!entry.names.empty() || !entry.guesses.empty()) synonyms.push_back(std::move(entry));
    }
    return synonyms;
}
