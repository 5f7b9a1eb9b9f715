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
const std::vector<TDocumentType> kPriceLists{kBooks,       kMedia,  kStationery, kDevices,  kMaps,
                                             kConsumables, kStamps, kCoins,      kCalendars};

// One row of the table: the names of a field in the document types listed
// (none listed: every type that has the field). A field may have rows for
// different types where the types give a word different meanings.
struct SynonymRow {
    const char* fieldID;
    std::vector<TDocumentType> types;
    std::vector<std::string> names;
    std::vector<std::string> guesses;
    std::vector<std::string> weakNames = {};
};

// Price lists, then invoices. A word two fields of one type could mean is a
// guess for the one it means most often, or is left out.
const std::vector<SynonymRow>& Rows()
{
    // clang-format off
    static const std::vector<SynonymRow> rows = {
        // Identification.
        {"RecordReference", {},
         {"Артикул", "Код товара", "Код продукта", "Код издания", "Код позиции", "Артикул поставщика", "Арт",
          "Артикул товара", "Код номенклатуры", "Код в каталоге", "Каталожный номер", "КатНомер", "ID товара", "Код книги",
          "Ваш SKU", "SKU", "Shop SKU", "shop-sku", "Article", "Item code", "Product code", "Item no",
          "Номенклатура.Код", "Товар код", "Référence", "Ref fournisseur", "Код артикула", "Арт."},
         {"ID", "Номер"},
         {"Код", "Code", "Код 1С", "Код 1C"}},
        {"RecordReference", {kStamps, kCoins}, {}, {"Номер по каталогу", "№ по каталогу"}},
        // Where no field holds a part number, it is the article.
        {"RecordReference", {kBooks, kMedia, kStationery, kDevices, kMaps, kStamps, kCoins, kCalendars, kInvoice},
         {"Part number", "Part No", "P/N"}, {}},
        {"RecordReference", {kInvoice}, {}, {"Код товара/работ, услуг"}},
        {"EAN13", {},
         {"Штрихкод", "Штрих-код", "Штрих код", "ШК", "EAN", "EAN13", "EAN-13", "Barcode", "Bar code", "GTIN",
          "Штрихкод EAN", "Код EAN", "Баркод", "EAN code", "Code EAN", "Штрихкоди"},
         {}},
        {"ISBN", {}, {"ISBN", "ISBN-13", "ISBN13", "ИСБН", "ISBN/ISSN", "ISBN 13", "ISBN-10", "ISBN10", "Print ISBN",
                      "ISBN печатного издания", "ISBN книги"}, {}},
        {"ISSN", {}, {"ISSN"}, {}},
        // A supplier's "Статус" is seldom the record's notification type.
        {"NotificationType", {}, {"Статус записи"}, {"Статус"}},
        {"ProductAvailability", {}, {"Доступность", "Код доступности", "Availability"}, {}},

        // Prices, quantities and tax of a price list.
        {"Price01", {},
         {"Цена без НДС", "Отпускная цена", "Цена отпускная", "Цена без скидки", "Цена прайса", "Прайсовая цена",
          "Базовая цена", "Цена по прайсу", "Цена до скидки", "List price"},
         {"Цена", "Цена с НДС", "Оптовая цена", "Цена опт", "Опт", "Стоимость", "Цена продажи", "Ваша цена", "Price",
          "Цена за шт", "Цена за единицу", "Unit price", "Sales price"}},
        {"Price", kPriceLists, {"Цена со скидкой", "Цена с учетом скидки", "Цена со скидкой без НДС"}, {}},
        {"DiscountPercent", {}, {"Скидка", "Процент скидки", "Скидка в процентах", "Discount"}, {}},
        {"VAT", kPriceLists, {"Ставка НДС", "НДС", "НДС ставка", "Ставка налога", "VAT", "VAT rate"}, {}},
        {"OnHand", {},
         {"Остаток", "Остатки", "Остаток на складе", "Количество на складе", "Кол-во на складе", "Свободный остаток",
          "На складе", "Свободно", "Количество в наличии", "Stock", "In stock", "Количество", "Кол-во", "Наличие",
          "В наличии", "Доступно", "Qty", "Quantity", "Залишок", "Кількість", "Наявність"},
         {"Склад"}},
        {"PackQuantity", {kBooks, kMaps, kCalendars},
         {"В упаковке", "Кол-во в упаковке", "Количество в упаковке", "Кол-во в пачке", "В пачке", "Кратность",
          "Штук в упаковке", "Штук в упак", "Шт в упак", "Стандарт", "Pack"},
         {"Упаковка", "Пачка"}},

        // Books and what is published like them.
        {"Title", {kBooks, kMedia, kMaps, kCalendars, kStamps, kCoins},
         {"Наименование", "Название", "Наименование товара", "Название книги", "Наименование издания", "Заглавие",
          "Название издания", "Номенклатура", "Title", "Name", "Book title", "Product name", "Найменування", "Назва",
          "Наименование продукции"},
         {}},
        {"Title", {kMedia},
         {"Альбом", "Название альбома", "Название диска", "Название фильма", "Фильм", "Album", "Album title"}, {}},
        {"Title", {kStamps}, {"Марка", "Название марки"}, {}},
        {"Title", {kStationery, kDevices, kConsumables},
         {"Наименование", "Название", "Наименование товара", "Товар", "Название товара", "Номенклатура", "Name",
          "Product name", "Title", "Item", "Наименование продукции", "Designation", "Désignation", "Найменування",
          "Product", "Item description", "Наименование товаров", "Товары (работы, услуги)", "Наименование позиции",
          "Назва", "Найменування товару", "Ценовая группа/ Номенклатура/ Характеристика номенклатуры"},
         {}},
        {"Subtitle", {}, {"Подзаголовок", "Subtitle"}, {}},
        {"AuthorKeyNames", {kBooks, kMedia},
         {"Автор", "Авторы", "Автор книги", "ФИО автора", "Author", "Authors", "Автор(ы)", "Author(s)", "Автори"}, {}},
        {"Translated", {}, {"Переводчик", "Перевод", "Translator"}, {}},
        {"Artist", {kBooks, kStamps}, {"Художник", "Иллюстратор", "Иллюстрации", "Illustrator"}, {}},
        {"Editor", {}, {"Редактор", "Editor"}, {}},
        {"Compiled", {}, {"Составитель", "Сост", "Compiler"}, {}},
        {"Series", {}, {"Серия", "Книжная серия", "Название серии", "Series", "Series title", "Серія"}, {}},
        {"Publisher", {},
         {"Издательство", "Изд-во", "Издатель", "Изд", "Издательство/бренд", "Publisher", "Imprint", "Видавництво"},
         {}},
        {"Publisher", {kMedia}, {"Лейбл", "Label", "Звукозаписывающая компания", "Record label"}, {}},
        {"CityOfPublication", {}, {"Город", "Город издания", "Место издания"}, {}},
        {"PublicationDate", {kBooks, kMaps, kCalendars, kMedia},
         {"Год издания", "Год выпуска", "Год", "Дата издания", "Дата выхода", "Year", "Publication year",
          "Publication date", "Published date", "Year published", "Дата публикации", "Copyright year", "Рік видання",
          "Рік"},
         {}},
        {"InitialPrintRun", {}, {"Тираж", "Тираж, экз", "Print run"}, {}},
        {"NumberOfPages", {},
         {"Страниц", "Количество страниц", "Кол-во страниц", "Кол-во стр", "Стр", "Объем", "Объем, стр", "Число страниц",
          "Pages", "Page count", "Page extent", "page-extent", "Кількість сторінок", "Сторінок"},
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
        {"Weight", {}, {"Вес", "Масса", "Вес издания", "Вес, кг", "Вес с упаковкой", "Вес брутто", "Weight"}, {}},
        {"Height", {}, {"Высота", "Height"}, {}},
        {"Width", {}, {"Ширина", "Width"}, {}},
        {"Thickness", {}, {"Толщина", "Корешок", "Thickness"}, {}},
        {"Dimensions", {}, {"Формат", "Формат издания", "Размер", "Format"}, {}},
        {"Annotation", {},
         {"Аннотация", "Описание", "Краткое описание", "Краткое содержание", "Описание товара", "Annotation", "Description",
          "Summary"},
         {}},
        {"CoverImage", {},
         {"Изображение", "Картинка", "Фото", "Ссылка на изображение", "Ссылка на фото", "Фото товара", "Файл обложки",
          "Фото обложки", "Путь к обложке", "Image", "Picture", "Image URL", "Cover"},
         {}},
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
        {"VocalKeyNames", {}, {"Исполнитель", "Вокалист", "Artist", "Performer"}, {}},
        {"ReadByKeyNames", {}, {"Читает", "Чтец", "Исполнитель текста", "Performed by", "Narrator"}, {}},
        {"Actor1KeyNames", {}, {"Актеры", "В ролях", "В главных ролях", "Actors", "Starring"}, {}},
        {"ProduceCompanyName", {}, {"Студия", "Киностудия", "Studio"}, {}},
        // A media list's format is most often the carrier, not the file format.
        {"ProductForm", {}, {"Носитель", "Тип носителя", "Media"}, {"Формат", "Format"}},
        {"RecordLength", {}, {"Продолжительность", "Длительность", "Время звучания", "Duration", "Recording length"},
         {}},
        {"NumberOfPieces", {}, {"Количество дисков", "Кол-во дисков"}, {}},
        {"TrackCount", {}, {"Количество треков", "Треков"}, {}},
        {"ProduceDate", {}, {"Дата выпуска", "Release date"}, {}},
        {"Manufacturer", {}, {"Производитель", "Manufacturer"}, {}},
        {"Distributor", {}, {"Дистрибьютор", "Распространитель", "Distributor"}, {}},

        // Goods.
        {"Trademark", {}, {"Бренд", "Торговая марка", "Марка", "ТМ", "Brand", "Trademark", "Vendor"}, {"Производитель"}},
        {"ProduceCountryName", {},
         {"Страна", "Страна производства", "Страна-производитель", "Страна производитель", "Страна изготовления",
          "Country of origin", "Country"},
         {"Страна происхождения"}},
        {"Model", {}, {"Модель", "Model"}, {}},
        {"Color", {}, {"Цвет", "Расцветка", "Colour", "Color"}, {}},
        {"Warranty", {}, {"Гарантия", "Гарантийный срок", "Warranty"}, {}},
        {"ScreenSize", {}, {"Диагональ", "Диагональ экрана"}, {}},
        {"OperatingSystem", {}, {"ОС", "Operating system"}, {}},
        // A phone's "Память" is most often its storage, but may be its RAM.
        {"InternalStorage", {}, {"Встроенная память", "Объем встроенной памяти", "Storage"}, {"Память"}},
        {"Ram", {}, {"Оперативная память", "Объем оперативной памяти", "ОЗУ", "RAM"}, {}},
        {"RearCamera", {}, {"Основная камера", "Камера", "Rear camera", "Main camera"}, {}},
        {"Network", {}, {"Тип связи", "Стандарт связи", "Сеть"}, {}},
        {"WiFi", {}, {"Wifi"}, {}},
        {"PartNumber", {}, {"Парт-номер", "Part number", "PN"}, {}},
        {"Suitableforusewith", {},
         {"Совместимость", "Совместимые модели", "Применимость", "Модель принтера", "Модель оборудования", "Для принтеров",
          "Compatible with"},
         {}},
        {"MapScale", {}, {"Масштаб", "Scale"}, {}},

        // Stamps and coins.
        {"Theme", {}, {"Тема", "Тематика"}, {}},
        {"MICHEL", {}, {"Michel", "Каталог Michel", "Catalog Michel", "Михель"}, {}},
        {"SCOTT", {}, {"Scott", "Каталог Scott", "Catalog Scott", "Скотт"}, {}},
        {"YVERT", {}, {"Yvert", "Ивер"}, {}},
        {"STANLEY_GIBBONS", {}, {"Stanley Gibbons", "SG", "Catalog SG", "Гиббонс"}, {}},
        {"PrintMethod", {}, {"Способ печати", "Печать", "Printing method"}, {}},
        {"Perforation", {}, {"Перфорация", "Perforation"}, {}},
        {"Watermark", {}, {"Watermark"}, {}},
        {"KeyWords", {}, {"Теги", "Метки", "Tags", "Keywords"}, {}},
        {"Denomination", {}, {"Номинал", "Denomination", "Face value"}, {}},
        {"Ruler", {}, {"Ruler"}, {}},
        {"InitialPrintRun", {kCoins}, {"Mintage"}, {}},
        {"Metal", {}, {"Металл", "Материал", "Metal"}, {}},
        {"Mint", {}, {"Монетный двор", "Mint"}, {}},
        {"Diameter", {}, {"Диаметр", "Diameter"}, {}},
        {"WeightCoin", {}, {"Вес", "Масса", "Weight"}, {}},
        {"HightCoin", {}, {"Высота", "Height"}, {}},
        {"WidthCoin", {}, {"Ширина", "Width"}, {}},
        {"ThinCoin", {}, {"Толщина", "Thickness"}, {}},
        {"CoinQuality", {}, {"Качество", "Качество чеканки", "Quality"}, {}},
        {"Preserved", {}, {"Сохранность"}, {}},
        {"PublishingDateFull", {kStamps, kCoins},
         {"Дата выпуска", "Год выпуска", "Дата эмиссии", "Release date", "Date of issue"}, {"Год", "Year"}},

        // Invoices: the price is the one price of a position, a bare tax
        // column may hold the amount as well as the rate.
        // A bare "Name" of an invoice export is as often the customer's.
        {"ProductName", {},
         {"Товарное наименование", "Наименование", "Наименование товара", "Название", "Название товара", "Товар",
          "Номенклатура", "Наименование продукции", "Наименование, характеристика, сорт, артикул товара",
          "Наименование товара (описание выполненных работ, оказанных услуг), имущественного права", "Product name",
          "Description", "Item", "Товар наименование, характеристика, сорт, артикул товара", "Описание",
          "Найменування", "Найменування товару", "Designation"},
         {"Name"}},
        {"Amount", {},
         {"Количество", "Кол-во", "Кол", "Количество, шт", "Заказано", "Отгружено", "Qty", "Quantity",
          "Количество (масса нетто)", "Кількість"},
         {}},
        {"Price", {kInvoice},
         {"Цена без НДС", "Цена за единицу без НДС", "Цена, руб без НДС", "Цена за единицу измерения", "Unit price",
          "Unit amount"},
         {"Цена", "Цена с НДС", "Цена за шт", "Price", "Sales price"}},
        {"RecommendedPrice", {},
         {"Рекомендованная цена", "Рекомендуемая цена", "РРЦ", "Розничная цена", "Рекомендованная розничная цена",
          "RRP"},
         {}},
        {"VAT", {kInvoice}, {"Ставка НДС", "НДС ставка", "Ставка налога", "Налоговая ставка", "VAT rate", "НДС",
          "Ставка ПДВ", "ПДВ"},
         {"Ставка", "VAT"}},
        {"PackQuantity", {kInvoice}, {"В упаковке", "Кол-во в упаковке", "Количество в упаковке", "Кратность"}, {"Упаковка"}},
        {"GTDNo", {},
         {"ГТД", "Номер ГТД", "№ ГТД", "Номер таможенной декларации", "Таможенная декларация", "ДТ", "Номер ДТ",
          "Регистрационный номер таможенной декларации"},
         {}},
        // The country of an invoice's position is given as the tax invoice
        // gives it: "Цифровой код" and "Краткое наименование" under "Страна".
        {"CountryCode", {},
         {"Код страны", "Код страны происхождения", "Цифровой код страны", "Цифровой код", "Код страны производителя"},
         {}},
        {"CountryName", {},
         {"Страна", "Страна происхождения", "Страна происхождения товара", "Страна производитель",
          "Страна-производитель", "Краткое наименование", "Country"},
         {}},
    };
    // clang-format on
    return rows;
}

} // namespace

std::vector<FieldSynonyms> SynonymsOf(TDocumentType type)
{
    std::vector<FieldSynonyms> synonyms;
    for (const TFieldEntry& field : FieldTable(type)) {
        if (std::any_of(synonyms.begin(), synonyms.end(),
                        [&](const FieldSynonyms& s) { return s.fieldID == field.FieldID; }))
            continue;
        FieldSynonyms entry{field.FieldID, {}, {}, {}};
        for (const SynonymRow& row : Rows()) {
            if (row.fieldID != field.FieldID) continue;
            if (!row.types.empty() && std::find(row.types.begin(), row.types.end(), type) == row.types.end()) continue;
            entry.names.insert(entry.names.end(), row.names.begin(), row.names.end());
            entry.guesses.insert(entry.guesses.end(), row.guesses.begin(), row.guesses.end());
            entry.weakNames.insert(entry.weakNames.end(), row.weakNames.begin(), row.weakNames.end());
        }
        if (!entry.names.empty() || !entry.guesses.empty() || !entry.weakNames.empty())
            synonyms.push_back(std::move(entry));
    }
    return synonyms;
}
