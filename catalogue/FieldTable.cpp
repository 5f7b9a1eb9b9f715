#include "catalogue/FieldTable.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace {

using W = OwnWriter;

constexpr TDocumentType kBooks = TDocumentType::Books;
constexpr TDocumentType kMedia = TDocumentType::Media;
constexpr TDocumentType kStationery = TDocumentType::Stationery;
constexpr TDocumentType kDevices = TDocumentType::DigitalDevices;
constexpr TDocumentType kMaps = TDocumentType::Maps;
constexpr TDocumentType kConsumables = TDocumentType::Consumables;
constexpr TDocumentType kStamps = TDocumentType::Philately;
constexpr TDocumentType kCoins = TDocumentType::Numismatics;
constexpr TDocumentType kCalendars = TDocumentType::Calendars;
constexpr TDocumentType kInvoice = TDocumentType::Invoice;
const std::vector<TDocumentType> kPriceLists{kBooks,       kMedia,  kStationery, kDevices,  kMaps,
                                             kConsumables, kStamps, kCoins,      kCalendars};

// Three names hold Cyrillic letters that look Latin. Receivers match them byte
// for byte, so they are spelled out as UTF-8 bytes rather than typed.
constexpr char kScreenTypeElement[] = "S\xD1\x81reenType"; // Cyrillic es, 2nd letter
constexpr char kCaseMaterialElement[] = "\xD0\xA1"
                                        "aseMaterial"; // Cyrillic capital Es
constexpr char kMintMasterRole[] = "\xD0\x9C"
                                   "01"; // Cyrillic capital Em
constexpr char kArtistRole[] = "A07";

constexpr FieldWriting ReadElsewhere()
{
    return {};
}
constexpr FieldWriting TypeProductForm()
{
    return {FieldShape::TypeProductForm};
}
constexpr FieldWriting Own(OwnWriter writer)
{
    return {FieldShape::OwnWriter, "", "", writer};
}
constexpr FieldWriting Detail(const char* element)
{
    return {FieldShape::DetailElement, "", element};
}
constexpr FieldWriting Group(const char* group, const char* element)
{
    return {FieldShape::GroupMember, group, element};
}
constexpr FieldWriting Publishing(const char* element)
{
    return {FieldShape::PublishingElement, "", element};
}
constexpr FieldWriting Copyright(const char* element)
{
    return {FieldShape::CopyrightElement, "", element};
}
constexpr FieldWriting Subject(const char* scheme, const char* schemeName)
{
    return {FieldShape::Subject, scheme, schemeName};
}
constexpr FieldWriting Measure(const char* type, const char* unit)
{
    return {FieldShape::Measure, type, unit};
}
constexpr FieldWriting Extent(const char* type, const char* unit)
{
    return {FieldShape::Extent, type, unit};
}
constexpr FieldWriting Language(const char* role)
{
    return {FieldShape::Language, role};
}
constexpr FieldWriting Contributor(const char* role)
{
    return {FieldShape::Contributor, role};
}
constexpr FieldWriting ContributorPair(const char* role)
{
    return {FieldShape::ContributorPair, role};
}
constexpr FieldWriting CoinContributor(const char* role)
{
    return {FieldShape::CoinContributor, role};
}
constexpr FieldWriting CoinContributorInitials(const char* role)
{
    return {FieldShape::CoinContributorInitials, role};
}
constexpr FieldWriting TextContent(const char* type)
{
    return {FieldShape::TextContent, type};
}
constexpr FieldWriting SalesRights(const char* type, const char* area)
{
    return {FieldShape::SalesRights, type, area};
}
constexpr FieldWriting AudienceRange(const char* qualifier, const char* precision)
{
    return {FieldShape::AudienceRange, qualifier, precision};
}
constexpr FieldWriting PublishingDate(const char* role, const char* format)
{
    return {FieldShape::PublishingDate, role, format};
}

} // namespace

const std::vector<FieldRow>& FieldRows()
{
    // One row a field: identifier, caption, how it is written, the names
    // suppliers give its column (a word two fields of one type could mean is
    // a guess for the one it means most often, or is left out), its pair, and
    // the captions some types give it instead. A saved scheme keys its lines
    // by the captions, so a changed caption silently unmaps the field in every
    // scheme file already written: their wording is fixed.
    // clang-format off
    static const std::vector<FieldRow> rows = {
    {"ProductAvailability", "Код доступности (20 - доступен, 40 - недоступен)", ReadElsewhere(), {
         {{}, {"Доступность", "Код доступности", "Availability"}, {}}}},
    {"Price01", "Отпускная цена без НДС", ReadElsewhere(), {
         {{}, {"Цена без НДС", "Отпускная цена", "Цена отпускная", "Цена без скидки", "Цена прайса", "Прайсовая цена",
          "Базовая цена", "Цена по прайсу", "Цена до скидки", "List price"}, {"Цена", "Цена с НДС", "Оптовая цена",
          "Цена опт", "Опт", "Стоимость", "Цена продажи", "Ваша цена", "Price", "Цена за шт", "Цена за единицу",
          "Unit price", "Sales price"}}}},
    {"VAT", "Ставка НДС, %", ReadElsewhere(), {
         {kPriceLists, {"Ставка НДС", "НДС", "НДС ставка", "Ставка налога", "VAT", "VAT rate"}, {}},
         // A bare tax column of an invoice may hold the amount as well as the rate.
         {{kInvoice}, {"Ставка НДС", "НДС ставка", "Ставка налога", "Налоговая ставка", "VAT rate", "НДС", "Ставка ПДВ",
          "ПДВ"}, {"Ставка", "VAT"}}}},
    {"Price", "Отпускная цена без НДС со скидкой", ReadElsewhere(), {
         {kPriceLists, {"Цена со скидкой", "Цена с учетом скидки", "Цена со скидкой без НДС"}, {}},
         // An invoice's price is the one price of a position.
         {{kInvoice}, {"Цена без НДС", "Цена за единицу без НДС", "Цена, руб без НДС", "Цена за единицу измерения",
          "Unit price", "Unit amount"}, {"Цена", "Цена с НДС", "Цена за шт", "Price", "Sales price"}}}},
    {"DiscountPercent", "Скидка, %", ReadElsewhere(), {
         {{}, {"Скидка", "Процент скидки", "Скидка в процентах", "Discount"}, {}}}},
    {"OnHand", "Остатки", ReadElsewhere(), {
         {{}, {"Остаток", "Остатки", "Остаток на складе", "Количество на складе", "Кол-во на складе",
          "Свободный остаток", "На складе", "Свободно", "Количество в наличии", "Stock", "In stock", "Количество",
          "Кол-во", "Наличие", "В наличии", "Доступно", "Qty", "Quantity", "Залишок", "Кількість", "Наявність"},
          {"Склад"}}}},
    {"PackQuantity", "Стандарт упаковки", ReadElsewhere(), {
         {{kBooks, kMaps, kCalendars}, {"В упаковке", "Кол-во в упаковке", "Количество в упаковке", "Кол-во в пачке",
          "В пачке", "Кратность", "Штук в упаковке", "Штук в упак", "Шт в упак", "Стандарт", "Pack"}, {"Упаковка",
          "Пачка"}},
         {{kInvoice}, {"В упаковке", "Кол-во в упаковке", "Количество в упаковке", "Кратность"}, {"Упаковка"}}}},
    {"RecordReference", "Артикул", Own(W::RecordReference), {
         {{}, {"Артикул", "Код товара", "Код продукта", "Код издания", "Код позиции", "Артикул поставщика", "Арт",
          "Артикул товара", "Код номенклатуры", "Код в каталоге", "Каталожный номер", "КатНомер", "ID товара",
          "Код книги", "Ваш SKU", "SKU", "Shop SKU", "shop-sku", "Article", "Item code", "Product code", "Item no",
          "Номенклатура.Код", "Товар код", "Référence", "Ref fournisseur", "Код артикула", "Арт."}, {"ID", "Номер"},
          {"Код", "Code", "Код 1С", "Код 1C"}},
         {{kStamps, kCoins}, {}, {"Номер по каталогу", "№ по каталогу"}},
         // Where no field holds a part number, it is the article.
         {{kBooks, kMedia, kStationery, kDevices, kMaps, kStamps, kCoins, kCalendars, kInvoice}, {"Part number",
          "Part No", "P/N", "Номер детали", "Номер запчасти"}, {}},
         {{kInvoice}, {}, {"Код товара/работ, услуг"}}}},
    {"NotificationType", "Статус записи", Own(W::NotificationType), {
         // A supplier's "Статус" is seldom the record's notification type.
         {{}, {"Статус записи"}, {"Статус"}}}},
    {"EAN13", "Штрих-код (EAN-13)", Own(W::EAN13), {
         {{}, {"Штрихкод", "Штрих-код", "Штрих код", "ШК", "EAN", "EAN13", "EAN-13", "Barcode", "Bar code", "GTIN",
          "Штрихкод EAN", "Код EAN", "Баркод", "EAN code", "Code EAN", "Штрихкоди"}, {}}}},
    {"ISBN", "ISBN", Own(W::ISBN), {
         {{}, {"ISBN", "ISBN-13", "ISBN13", "ИСБН", "ISBN/ISSN", "ISBN 13", "ISBN-10", "ISBN10", "Print ISBN",
          "ISBN печатного издания", "ISBN книги"}, {}}}},
    {"Subtitle", "Сведения, относящиеся к заглавию", ReadElsewhere(), {
         {{}, {"Подзаголовок", "Subtitle"}, {}}}, nullptr, {{{kMedia}, "Жанр"}, {{kStationery},
          "Примечание к наименованию"}}},
    {"Title", "Название (Основное заглавие)", Own(W::Title), {
         {{kBooks, kMedia, kMaps, kCalendars, kStamps, kCoins}, {"Наименование", "Название", "Наименование товара",
          "Название книги", "Наименование издания", "Заглавие", "Название издания", "Номенклатура", "Title", "Name",
          "Book title", "Product name", "Найменування", "Назва", "Наименование продукции"}, {}},
         {{kMedia}, {"Альбом", "Название альбома", "Название диска", "Название фильма", "Фильм", "Album",
          "Album title"}, {}},
         {{kStamps}, {"Марка", "Название марки"}, {}},
         {{kStationery, kDevices, kConsumables}, {"Наименование", "Название", "Наименование товара", "Товар",
          "Название товара", "Номенклатура", "Name", "Product name", "Title", "Item", "Наименование продукции",
          "Designation", "Désignation", "Найменування", "Product", "Item description", "Наименование товаров",
          "Товары (работы, услуги)", "Наименование позиции", "Название позиции", "Назва", "Найменування товару",
          "ТМЦ", "Наименование ТМЦ",
          "Ценовая группа/ Номенклатура/ Характеристика номенклатуры"}, {}}}, "Subtitle", {{{kStationery, kDevices,
          kConsumables, kStamps, kCoins}, "Наименование товара"}}},
    {"AuthorNamesBeforeKey", "Инициалы автора", ReadElsewhere()},
    {"AuthorKeyNames", "Фамилия автора в заголовке", ContributorPair("A01"), {
         {{kBooks, kMedia}, {"Автор", "Авторы", "Автор книги", "ФИО автора", "Author", "Authors", "Автор(ы)",
          "Author(s)", "Автори"}, {}}}, "AuthorNamesBeforeKey"},
    {"VocalNamesBeforeKey", "Вокалист (Инициалы)", ReadElsewhere()},
    {"VocalKeyNames", "Вокалист (Фамилия)", ContributorPair("E05"), {
         {{}, {"Исполнитель", "Вокалист", "Artist", "Performer"}, {}}}, "VocalNamesBeforeKey"},
    {"ReadByNamesBeforeKey", "Читает текст (Инициалы)", ReadElsewhere()},
    {"ReadByKeyNames", "Читает текст (Фамилия)", ContributorPair("E07"), {
         {{}, {"Читает", "Чтец", "Исполнитель текста", "Performed by", "Narrator"}, {}}}, "ReadByNamesBeforeKey"},
    {"ComposerNamesBeforeKey", "Композитор (Инициалы)", ReadElsewhere()},
    {"ComposerKeyNames", "Композитор (Фамилия)", ContributorPair("A06"), {
         {{}, {"Композитор", "Composer"}, {}}}, "ComposerNamesBeforeKey"},
    {"RegisserNamesBeforeKey", "Режиссер (Инициалы)", ReadElsewhere()},
    {"RegisserKeyNames", "Режиссер (Фамилия)", ContributorPair("A09"), {
         {{}, {"Режиссер", "Director"}, {}}}, "RegisserNamesBeforeKey"},
    {"Actor1NamesBeforeKey", "Основной актер (Инициалы)", ReadElsewhere()},
    {"Actor1KeyNames", "Основной актер (Фамилия)", ContributorPair("E01"), {
         {{}, {"Актеры", "В ролях", "В главных ролях", "Actors", "Starring"}, {}}}, "Actor1NamesBeforeKey"},
    {"Actor2NamesBeforeKey", "Второй основной актер (Инициалы)", ReadElsewhere()},
    {"Actor2KeyNames", "Второй основной актер (Фамилия)", ContributorPair("E01"), {}, "Actor2NamesBeforeKey"},
    {"ScenarNamesBeforeKey", "Сценарист (Инициалы)", ReadElsewhere()},
    {"ScenarKeyNames", "Сценарист (Фамилия)", ContributorPair("A03"), {}, "ScenarNamesBeforeKey"},
    {"ProdusNamesBeforeKey", "Продюсер (Инициалы)", ReadElsewhere()},
    {"ProdusKeyNames", "Продюсер (Фамилия)", ContributorPair("D01"), {
         {{}, {"Продюсер", "Producer"}, {}}}, "ProdusNamesBeforeKey"},
    {"EditionStatement", "Сведения об издании", Detail("EditionStatement"), {
         {{}, {"Номер издания", "Edition"}, {"Издание"}}}},
    {"ContributorStatement", "Первые свед. об ответственности", Detail("ContributorStatement")},
    {"Series", "Заглавие серии", Own(W::Series), {
         {{}, {"Серия", "Книжная серия", "Название серии", "Series", "Series title", "Серія"}, {}}}},
    {"Publisher", "Издатель", Own(W::Publisher), {
         {{}, {"Издательство", "Изд-во", "Издатель", "Изд", "Издательство/бренд", "Publisher", "Imprint",
          "Видавництво"}, {}},
         {{kMedia}, {"Лейбл", "Label", "Звукозаписывающая компания", "Record label"}, {}}}},
    {"CityOfPublication", "Место издания", Publishing("CityOfPublication"), {
         {{}, {"Город", "Город издания", "Место издания"}, {}}}},
    {"PublicationDate", "Дата издания", Own(W::PublicationDate), {
         {{kBooks, kMaps, kCalendars, kMedia}, {"Год издания", "Год выпуска", "Год", "Дата издания", "Дата выхода",
          "Year", "Publication year", "Publication date", "Published date", "Year published", "Дата публикации",
          "Copyright year", "Рік видання", "Рік"}, {}}}},
    {"InitialPrintRun", "Тираж издания", Own(W::InitialPrintRun), {
         {{}, {"Тираж", "Тираж, экз", "Print run"}, {}},
         {{kCoins}, {"Mintage"}, {}}}},
    {"NumberOfPages", "Кол-во страниц", Extent("00", "03"), {
         {{}, {"Страниц", "Количество страниц", "Кол-во страниц", "Кол-во стр", "Стр", "Объем", "Объем, стр",
          "Число страниц", "Pages", "Page count", "Page extent", "page-extent", "Кількість сторінок", "Сторінок"},
          {}}}},
    {"ProductFormForBook", "Внешнее покрытие издания", Own(W::ProductForm), {
         {{}, {"Тип обложки", "Тип обл", "Вид обложки", "Тип переплета", "Binding"}, {"Переплет", "Обложка"}}}},
    {"ProductForm", "Тип носителя", Own(W::ProductForm), {
         // A media list's format is most often the carrier, not the file format.
         {{}, {"Носитель", "Тип носителя", "Media"}, {"Формат", "Format"}}}},
    {"UDC", "Индекс УДК", Subject("09", ""), {{{}, {"УДК"}, {}}}},
    {"UDC_DEF", "Определитель УДК", Subject("09", "UDC AUXILIARY")},
    {"KTK", "Индекс КТК", Subject("24", "KTK"), {{{}, {"КТК"}, {}}}},
    {"BBK", "Индекс ББК", Subject("24", "BBK"), {{{}, {"ББК"}, {}}}},
    {"TextLanguage", "Язык текста", Language("01"), {{{}, {"Язык", "Язык издания", "Language"}, {}}}},
    {"OriginLanguage", "Язык оригинала", Language("02"), {{{}, {"Язык оригинала", "Original language"}, {}}}},
    {"Editor", "Редактор (Инициалы + Фамилия в родительном падеже)", Contributor("B11"), {{{}, {"Редактор", "Editor"},
         {}}}},
    {"Translated", "Переводчик (Инициалы + Фамилия)", Contributor("B06"), {{{}, {"Переводчик", "Перевод", "Translator"},
         {}}}},
    {"Compiled", "Составитель (Инициалы + Фамилия)", Contributor("C01"), {{{}, {"Составитель", "Сост", "Compiler"},
         {}}}},
    {"Artist", "Художник (Инициалы + Фамилия)", Contributor("A07"), {
         {{kBooks, kStamps}, {"Художник", "Иллюстратор", "Иллюстрации", "Illustrator"}, {}}}},
    {"ProductContentType", "Тип содержания товара", Detail("ProductContentType")},
    {"ProduceCountryName", "Страна-производитель", Detail("CountryOfManufacture"), {
         {{}, {"Страна", "Страна производства", "Страна-производитель", "Страна производитель", "Страна изготовления",
          "Country of origin", "Country"}, {"Страна происхождения"}}}},
    {"ProduceCompanyName", "Компания-производитель", Own(W::ProduceCompanyName), {
         {{}, {"Студия", "Киностудия", "Studio"}, {}}}},
    {"DVDRegionCode", "Региональный код для DVD", Own(W::DVDRegionCode)},
    {"VideoProportion", "Формат изображения", Own(W::VideoProportion)},
    {"DigitalFormat", "Формат записи", Own(W::DigitalFormat)},
    {"SoundTrack", "Язык звуковой дорожки", Language("08")},
    {"SubtitleLanguage", "Язык субтитров", Language("09")},
    {"RecordLength", "Продолжительность записи, мин.", Extent("09", "05"), {
         {{}, {"Продолжительность", "Длительность", "Время звучания", "Duration", "Recording length"}, {}}}},
    {"TrackCount", "Количество треков", Detail("TrackCount"), {{{}, {"Количество треков", "Треков"}, {}}}},
    {"ProduceDate", "Дата выпуска", PublishingDate("11", "05"), {{{}, {"Дата выпуска", "Release date"}, {}}}},
    {"SalesRights", "Территория для продажи(страна)", SalesRights("02", "CountriesIncluded")},
    {"NotForSale", "Не для продажи на территории(страна)", SalesRights("03", "CountriesIncluded")},
    {"SalesRightsRegion", "Территория для продажи(регион)", SalesRights("02", "RegionsIncluded")},
    {"NotForSaleRegion", "Не для продажи на территории(регион)", SalesRights("03", "RegionsIncluded")},
    {"Weight", "Вес, г", Measure("08", "gr"), {
         {{}, {"Вес", "Масса", "Вес издания", "Вес, кг", "Вес с упаковкой", "Вес брутто", "Weight"}, {}}}},
    {"Height", "Высота, см", Measure("01", "sm"), {{{}, {"Высота", "Height"}, {}}}},
    {"Width", "Ширина, см", Measure("02", "sm"), {{{}, {"Ширина", "Width"}, {}}}},
    {"Thickness", "Толщина, см", Measure("03", "sm"), {{{}, {"Толщина", "Корешок", "Thickness"}, {}}}},
    {"Annotation", "Аннотация", TextContent("03"), {
         {{}, {"Аннотация", "Описание", "Краткое описание", "Краткое содержание", "Описание товара", "Annotation",
          "Description", "Summary"}, {}}}, nullptr, {{{kStationery, kDevices, kConsumables, kStamps, kCoins},
          "Описание"}}},
    {"ProductPackaging", "Индивидуальная упаковка", Own(W::ProductPackaging)},
    {"ProductFormDescription", "Сопроводительный материал", Own(W::ProductFormDescription)},
    {"RecommendedBy", "Гриф", TextContent("22"), {{{}, {"Гриф"}, {}}}},
    {"SubscriptionIndex", "Подписной индекс", Own(W::SubscriptionIndex), {
         {{}, {"Подписной индекс", "Индекс издания"}, {}}}},
    {"Super", "Суперобложка", Own(W::Super), {{{}, {"Суперобложка"}, {}}}},
    {"CoverDetail", "Особенности переплета", Own(W::CoverDetail), {{{}, {"Особенности переплета", "Отделка переплета"},
         {}}}},
    {"IllustrationsNote", "Сведения об иллюстрациях", Detail("IllustrationsNote"), {
         {{}, {"Сведения об иллюстрациях"}, {}}}},
    {"MapScale", "Сведения о математических данных (масштаб)", Detail("MapScale"), {{{}, {"Масштаб", "Scale"}, {}}}},
    {"Periodicity", "Периодичность издания", Own(W::Periodicity), {{{}, {"Периодичность"}, {}}}},
    {"Dimensions", "Полиграфический формат", Detail("Dimensions"), {
         {{}, {"Формат", "Формат издания", "Размер", "Format"}, {}}}},
    {"SoundTrackType", "Звуковая дорожка", Own(W::SoundTrackType)},
    {"Manufacturer", "Производитель", Own(W::ProduceCompanyName), {{{}, {"Производитель", "Manufacturer"}, {}}}},
    {"Distributor", "Распространитель", Own(W::Distributor), {
         {{}, {"Дистрибьютор", "Распространитель", "Distributor"}, {}}}},
    {"NumberOfPieces", "Количество носителей", Own(W::NumberOfPieces), {
         {{}, {"Количество дисков", "Кол-во дисков"}, {}}}},
    {"CopyrightType", "Знак авторского права", Copyright("CopyrightType")},
    {"CopyrightYear", "Временной период действия авторского права", Copyright("CopyrightYear")},
    {"CopyrightAgreementType", "Наименование правоустанавливающего документа на продажу и воспроизведение продукции",
         Copyright("CopyrightAgreementType")},
    {"CopyrightAgreementNum", "Номер правоустанавливающего документа на продажу и воспроизведение продукции",
         Copyright("CopyrightAgreementNum")},
    {"CopyrightAgreementDate", "Дата правоустанавливающего документа на продажу и воспроизведение продукции",
         Copyright("CopyrightAgreementDate")},
    {"CorporateName", "Наименование организации-обладателя авторского права", Copyright("CorporateName")},
    {"PersonName", "Наименование лица - обладателя авторского права", Copyright("PersonName")},
    {"Bitrate", "Битрейт", Group("ProductFormDetail", "BitrateFormat")},
    {"ISSN", "ISSN( для периодики)", Own(W::ISSN), {{{}, {"ISSN"}, {}}}},
    {"OriginalName", "Заглавие на языке оригинала", Own(W::OriginalName)},
    {"CoverImage", "Изображение, файл", Own(W::CoverImage), {
         {{}, {"Изображение", "Картинка", "Фото", "Ссылка на изображение", "Ссылка на фото", "Фото товара",
          "Файл обложки", "Фото обложки", "Путь к обложке", "Image", "Picture", "Image URL", "Cover"}, {}}}},
    {"AgeCategory", "Возрастная категория", AudienceRange("18", "03"), {
         {{}, {"Возраст", "Возрастное ограничение", "Возрастная категория", "Возрастной ценз", "Маркировка возраста",
          "Age"}, {}}}},
    {"", "", TypeProductForm()},
    {"Trademark", "Торговая марка", Own(W::Trademark), {
         {{}, {"Бренд", "Торговая марка", "Марка", "ТМ", "Brand", "Trademark", "Vendor"}, {"Производитель"}}}},
    {"Warranty", "Гарантия производителя", Detail("Warranty"), {{{}, {"Гарантия", "Гарантийный срок", "Warranty"},
         {}}}},
    {"Model", "Модель", Detail("Model"), {{{}, {"Модель", "Model"}, {}}}},
    {"Color", "Цвет", Detail("Color"), {{{}, {"Цвет", "Расцветка", "Colour", "Color"}, {}}}},
    {"OperatingSystem", "Операционная система", Detail("OperatingSystem"), {{{}, {"ОС", "Operating system"}, {}}}},
    {"ProcessorDescriptive", "Процессор", Detail("ProcessorDescriptive")},
    {"Ram", "Размер оперативной памяти", Group("Storage", "Ram"), {
         {{}, {"Оперативная память", "Объем оперативной памяти", "ОЗУ", "RAM"}, {}}}},
    {"InternalStorage", "Размер встроенной памяти", Group("Storage", "InternalStorage"), {
         // A phone's "Память" is most often its storage, but may be its RAM.
         {{}, {"Встроенная память", "Объем встроенной памяти", "Storage"}, {"Память"}}}},
    {"MemoryCard", "Поддержка карт памяти", Group("Storage", "MemoryCard")},
    {"MemoryCardCapacity", "Максимальный объем карты памяти", Group("Storage", "MemoryCardCapacity")},
    {"Resolution", "Разрешение дисплея", Group("Screen", "Resolution")},
    {"ScreenSize", "Размер экрана", Group("Screen", "Size"), {{{}, {"Диагональ", "Диагональ экрана"}, {}}}},
    {kScreenTypeFieldID, "Тип дисплея", Group("Screen", kScreenTypeElement)},
    {"SensorType", "Тип сенсорного экрана", Group("Screen", "Type")},
    {"StorageCapacity", "Объем памяти, Гб", Detail("StorageCapacity")},
    {"ReadSpeed", "Скорость чтения данных", Detail("ReadSpeed")},
    {"WriteSpeed", "Скорость записи данных", Detail("WriteSpeed")},
    {"FormatSupported", "Поддерживаемые форматы", Detail("FormatSupported")},
    {"WiFi", "Wi-Fi", Detail("WiFi"), {{{}, {"Wifi"}, {}}}},
    {"Network", "3G,4G", Detail("Network"), {{{}, {"Тип связи", "Стандарт связи", "Сеть"}, {}}}},
    {"Bluetooth", "Bluetooth", Detail("Bluetooth")},
    {"NavigationSystem", "Навигация", Detail("NavigationSystem")},
    {"RearCamera", "Тыловая камера", Group("Camera", "RearCamera"), {
         {{}, {"Основная камера", "Камера", "Rear camera", "Main camera"}, {}}}},
    {"FrontCamera", "Фронтальная камера", Group("Camera", "FrontCamera")},
    {"BatteryVolume", "Емкость аккумулятора", Detail("BatteryVolume")},
    {"BatteryLife", "Продолжительность автономной работы", Detail("BatteryLife")},
    {"CaseMaterial", "Материал корпуса, отделка", Detail(kCaseMaterialElement)},
    {"Suitableforusewith", "Назначение картриджа", Detail("Suitableforusewith"), {
         {{}, {"Совместимость", "Совместимые модели", "Применимость", "Модель принтера", "Модель оборудования",
          "Для принтеров", "Compatible with"}, {}}}},
    {"PartNumber", "Цифровое обозначение модели", Detail("PartNumber"), {{{}, {"Парт-номер", "Part number", "PN"},
         {}}}},
    {"NumberOfItemsOfThisForm", "Количество марок в серии (выпуске)", Own(W::NumberOfItemsOfThisForm)},
    {"StampType", "Тип марки", Detail("StampType")},
    {"STANDART", "Номер по каталогу Стандарт-Коллекция", Subject("24", "STANDART")},
    {"MICHEL", "Номер по каталогу MICHEL", Subject("24", "MICHEL"), {
         {{}, {"Michel", "Каталог Michel", "Catalog Michel", "Михель"}, {}}}},
    {"CFA", "Номер по каталогу ЦФА", Subject("24", "CFA")},
    {"ITC_MARKA", "Номер по каталогу ИТЦ Марка", Subject("24", "ITC_MARKA")},
    {"SCOTT", "Номер по каталогу Скотт", Subject("24", "SCOTT"), {{{}, {"Scott", "Каталог Scott", "Catalog Scott",
         "Скотт"}, {}}}},
    {"YVERT", "Номер по каталогу Ивер", Subject("24", "YVERT"), {{{}, {"Yvert", "Ивер"}, {}}}},
    {"STANLEY_GIBBONS", "Номер по каталогу Stanley Gibbons", Subject("24", "STANLEY_GIBBONS"), {
         {{}, {"Stanley Gibbons", "SG", "Catalog SG", "Гиббонс"}, {}}}},
    {"PrintMethod", "Тип способа печати", Detail("PrintMethod"), {
         {{}, {"Способ печати", "Печать", "Printing method"}, {}}}},
    {"Heightmm", "Высота, мм.", Measure("01", "mm")},
    {"Widthmm", "Ширина, мм.", Measure("02", "mm")},
    {"Perforation", "Зубцовка", Detail("Perforation"), {{{}, {"Перфорация", "Perforation"}, {}}}},
    {"Watermark", "Водяной знак", Detail("Watermark"), {{{}, {"Watermark"}, {}}}},
    {"Paper", "Бумага", Detail("Paper")},
    {"Raster", "Растр", Detail("Raster")},
    {"Illustration", "Рисунок", Detail("Illustration")},
    {"Used", "Гашение", Own(W::Used)},
    {"CityOfUse", "Место гашения", Detail("CityOfUse")},
    {"Theme", "Тематика", Detail("Theme"), {{{}, {"Тема", "Тематика"}, {}}}},
    {"KeyWords", "Ключевые слова", Detail("KeyWords"), {{{}, {"Теги", "Метки", "Tags", "Keywords"}, {}}}},
    {"PublishingDateFull", "Дата выпуска", PublishingDate("01", "12"), {
         {{kStamps, kCoins}, {"Дата выпуска", "Год выпуска", "Дата эмиссии", "Release date", "Date of issue"}, {"Год",
          "Year"}}}},
    {"Denomination", "Номинал", Detail("Denomination"), {{{}, {"Номинал", "Denomination", "Face value"}, {}}}},
    {"Painter", "Художник", CoinContributor(kArtistRole)},
    {"PainterInit", "Инициалы художника", CoinContributorInitials(kArtistRole)},
    {"Mincmeister", "Минцмейстер", CoinContributor(kMintMasterRole)},
    {"MincmeisterInit", "Инициалы минцмейстера", CoinContributorInitials(kMintMasterRole)},
    {"Ruler", "Правитель", Detail("Ruler"), {{{}, {"Ruler"}, {}}}},
    {"Diameter", "Диаметр", Measure("12", "mm"), {{{}, {"Диаметр", "Diameter"}, {}}}},
    {"HightCoin", "Высота, мм.", Measure("01", "mm"), {{{}, {"Высота", "Height"}, {}}}},
    {"WidthCoin", "Ширина, мм.", Measure("02", "mm"), {{{}, {"Ширина", "Width"}, {}}}},
    {"ThinCoin", "Толщина, мм.", Measure("03", "mm"), {{{}, {"Толщина", "Thickness"}, {}}}},
    {"WeightCoin", "Вес, гр.", Measure("08", "gr"), {{{}, {"Вес", "Масса", "Weight"}, {}}}},
    {"Preserved", "Сохранность (для антикварных и старых монет)", Detail("Preserved"), {{{}, {"Сохранность"}, {}}}},
    {"CoinQuality", "Качество (для современных монет)", Detail("CoinQuality"), {{{}, {"Качество", "Качество чеканки",
         "Quality"}, {}}}},
    {"Centrobank", "Номер по каталогу Центробанка", Subject("24", "CENTROBANK")},
    {"Morvel", "Номер по каталогу В.В.Морвеля", Subject("24", "MORVEL")},
    {"Tarnovik", "Номер по каталогу В.В.Тарновика", Subject("24", "TARNOVIK")},
    {"Krauze", "Номер по каталогу Краузе", Subject("24", "KRAUZE")},
    {"Conros", "Номер по каталогу Конрос", Subject("24", "CONROS")},
    {"Utk", "Индекс УТК", Subject("24", "UTK")},
    {"Obverse", "Аверс", Detail("Obverse")},
    {"Reverse", "Реверс", Detail("Reverse")},
    {"CertificateCoin", "Сертификат", Detail("Certificate")},
    {"Metal", "Металл", Detail("Metal"), {{{}, {"Металл", "Материал", "Metal"}, {}}}},
    {"Mint", "Монетный двор", Detail("Mint"), {{{}, {"Монетный двор", "Mint"}, {}}}},
    {"Edge", "Оформление гурта", Detail("Edge")},
    {"CoinGrading", "Слаб", Detail("CoinGrading")},
    {"Developer", "Разработчик", Publishing("Developer")},
    {"DownloadSize", "Объем электронного издания", Publishing("DownloadSize")},
    {"ProductName", "Товарное наименование", ReadElsewhere(), {
         // A bare "Name" of an invoice export is as often the customer's.
         {{}, {"Товарное наименование", "Наименование", "Наименование товара", "Название", "Название товара", "Товар",
          "Номенклатура", "Наименование продукции", "Наименование, характеристика, сорт, артикул товара",
          "Наименование товара (описание выполненных работ, оказанных услуг), имущественного права", "Product name",
          "Description", "Item", "Товар наименование, характеристика, сорт, артикул товара", "Описание", "Найменування",
          "Найменування товару", "Designation", "ТМЦ", "Наименование ТМЦ", "Назва", "Название позиции"}, {"Name"}}}},
    {"RecommendedPrice", "Рекомендованная розничная цена, руб.", ReadElsewhere(), {
         {{}, {"Рекомендованная цена", "Рекомендуемая цена", "РРЦ", "Розничная цена", "Рекомендованная розничная цена",
          "RRP"}, {}}}},
    {"Amount", "Количество", ReadElsewhere(), {
         {{}, {"Количество", "Кол-во", "Кол", "Количество, шт", "Заказано", "Отгружено", "Qty", "Quantity",
          "Количество (масса нетто)", "Кількість"}, {}}}},
    {"SalePlace", "Зона продажи", ReadElsewhere()},
    {"GTDNo", "Номер ГТД", ReadElsewhere(), {
         {{}, {"ГТД", "Номер ГТД", "№ ГТД", "Номер таможенной декларации", "Таможенная декларация", "ДТ", "Номер ДТ",
          "Регистрационный номер таможенной декларации"}, {}}}},
    {"CountryCode", "Код страны происхождения", ReadElsewhere(), {
         // The country of an invoice's position is given as the tax invoice
         // gives it: "Цифровой код" and "Краткое наименование" under "Страна".
         {{}, {"Код страны", "Код страны происхождения", "Цифровой код страны", "Цифровой код",
          "Код страны производителя"}, {}}}},
    {"CountryName", "Страна происхождения", ReadElsewhere(), {
         {{}, {"Страна", "Страна происхождения", "Страна происхождения товара", "Страна производитель",
          "Страна-производитель", "Краткое наименование", "Country"}, {}}}},
    };
    // clang-format on
    return rows;
}

const FieldRow* FindFieldRow(const std::string& fieldID)
{
    static const std::unordered_map<std::string, const FieldRow*> byID = [] {
        std::unordered_map<std::string, const FieldRow*> map;
        for (const FieldRow& row : FieldRows())
            if (*row.id) map.emplace(row.id, &row);
        return map;
    }();
    const auto found = byID.find(fieldID);
    return found == byID.end() ? nullptr : found->second;
}

const char* CaptionIn(const FieldRow& row, TDocumentType type)
{
    for (const TypeCaption& other : row.otherCaptions)
        if (std::find(other.types.begin(), other.types.end(), type) != other.types.end()) return other.caption;
    return row.caption;
}

namespace {

// The fields every price list starts with, with and without the book trade's
// ISBN and pack size.
const std::vector<const char*> kHeadWithISBN{
    "RecordReference", "NotificationType", "ProductAvailability", "EAN13", "ISBN", "Price01", "VAT", "Price",
    "DiscountPercent", "OnHand",           "PackQuantity"};
const std::vector<const char*> kHead{"RecordReference", "NotificationType", "ProductAvailability",
                                     "EAN13",           "Price01",          "VAT",
                                     "Price",           "DiscountPercent",  "OnHand"};

std::vector<const char*> Listed(std::vector<const char*> head, std::initializer_list<const char*> rest)
{
    head.insert(head.end(), rest);
    return head;
}

} // namespace

const std::vector<const char*>& FieldOrder(TDocumentType type)
{
    // The order of each type's list of step 2. Digital devices list
    // CoverImage twice, 15th and last.
    // clang-format off
    static const std::array<std::vector<const char*>, kDocumentTypeCount> orders = {{
        // books (57 fields)
        Listed(kHeadWithISBN, {"AuthorKeyNames", "AuthorNamesBeforeKey", "ContributorStatement", "Translated", "Artist",
          "Editor", "Compiled", "Title", "Subtitle", "Series", "SubscriptionIndex", "ProductFormForBook", "CoverDetail",
          "EditionStatement", "Publisher", "CityOfPublication", "PublicationDate", "InitialPrintRun", "NumberOfPages",
          "ProductFormDescription", "UDC", "UDC_DEF", "KTK", "BBK", "TextLanguage", "OriginLanguage", "Weight",
          "Height", "Width", "Thickness", "Annotation", "CoverImage", "ProductPackaging", "IllustrationsNote",
          "RecommendedBy", "Super", "CopyrightType", "CopyrightYear", "CopyrightAgreementType", "CopyrightAgreementNum",
          "CopyrightAgreementDate", "CorporateName", "PersonName", "ISSN", "Periodicity", "AgeCategory"}),
        // media (70 fields)
        Listed(kHead, {"UDC", "UDC_DEF", "Title", "Subtitle", "AuthorKeyNames", "AuthorNamesBeforeKey", "VocalKeyNames",
          "VocalNamesBeforeKey", "ReadByKeyNames", "ReadByNamesBeforeKey", "ComposerKeyNames", "ComposerNamesBeforeKey",
          "RegisserKeyNames", "RegisserNamesBeforeKey", "Actor1KeyNames", "Actor1NamesBeforeKey", "Actor2KeyNames",
          "Actor2NamesBeforeKey", "ScenarKeyNames", "ScenarNamesBeforeKey", "ProdusKeyNames", "ProdusNamesBeforeKey",
          "ProductForm", "ProductContentType", "ProduceCountryName", "ProduceCompanyName", "DVDRegionCode",
          "SoundTrack", "VideoProportion", "SubtitleLanguage", "RecordLength", "NumberOfPieces", "CityOfPublication",
          "Publisher", "PublicationDate", "ProduceDate", "SalesRights", "NotForSale", "SalesRightsRegion",
          "NotForSaleRegion", "Series", "Weight", "Annotation", "CoverImage", "AgeCategory", "SoundTrackType",
          "Manufacturer", "Distributor", "CopyrightType", "CopyrightYear", "CopyrightAgreementType",
          "CopyrightAgreementNum", "CopyrightAgreementDate", "CorporateName", "PersonName", "Bitrate", "TrackCount",
          "OriginalName", "Developer", "DownloadSize", "DigitalFormat"}),
        // stationery (21 fields)
        Listed(kHead, {"Title", "Subtitle", "ProduceCountryName", "Trademark", "Series", "Weight", "Height", "Width",
          "Thickness", "Annotation", "CoverImage", "AgeCategory"}),
        // digital devices (47 fields)
        Listed(kHead, {"Title", "ProduceCountryName", "Trademark", "Series", "Annotation", "CoverImage", "AgeCategory",
          "Model", "Color", "OperatingSystem", "ProcessorDescriptive", "Ram", "InternalStorage", "MemoryCard",
          "MemoryCardCapacity", "Resolution", "ScreenSize", kScreenTypeFieldID, "SensorType", "StorageCapacity",
          "ReadSpeed", "WriteSpeed", "FormatSupported", "Warranty", "WiFi", "Network", "Bluetooth", "NavigationSystem",
          "RearCamera", "FrontCamera", "BatteryVolume", "BatteryLife", "CaseMaterial", "Weight", "Height", "Width",
          "Thickness", "CoverImage"}),
        // maps (41 fields)
        Listed(kHeadWithISBN, {"Title", "Subtitle", "EditionStatement", "Series", "Publisher", "CityOfPublication",
          "PublicationDate", "InitialPrintRun", "NumberOfPages", "ProductFormDescription", "UDC", "UDC_DEF", "KTK",
          "TextLanguage", "Weight", "Height", "Width", "Annotation", "CoverImage", "AgeCategory", "ProductPackaging",
          "MapScale", "CopyrightType", "CopyrightYear", "CopyrightAgreementType", "CopyrightAgreementNum",
          "CopyrightAgreementDate", "CorporateName", "PersonName", "Dimensions"}),
        // consumables (25 fields)
        Listed(kHead, {"Title", "ProduceCountryName", "Trademark", "Series", "Weight", "Height", "Width", "Thickness",
          "Annotation", "CoverImage", "Model", "Color", "ScreenSize", "CaseMaterial", "Suitableforusewith",
          "PartNumber"}),
        // philately (39 fields)
        {"RecordReference", "NotificationType", "ProductAvailability", "Price01", "VAT", "Price", "DiscountPercent",
          "OnHand", "InitialPrintRun", "Artist", "Title", "Series", "NumberOfItemsOfThisForm", "StampType", "STANDART",
          "MICHEL", "CFA", "ITC_MARKA", "SCOTT", "YVERT", "STANLEY_GIBBONS", "PrintMethod", "Heightmm", "Widthmm",
          "Color", "Perforation", "Watermark", "Paper", "Raster", "Illustration", "Used", "CityOfUse", "Theme",
          "KeyWords", "CityOfPublication", "PublicationDate", "PublishingDateFull", "Annotation", "CoverImage"},
        // numismatics (42 fields)
        Listed(kHead, {"InitialPrintRun", "Title", "Denomination", "PublishingDateFull", "Painter", "PainterInit",
          "Mincmeister", "MincmeisterInit", "Series", "Ruler", "ProduceCountryName", "Diameter", "HightCoin",
          "WidthCoin", "ThinCoin", "WeightCoin", "Preserved", "CoinQuality", "Centrobank", "Morvel", "Tarnovik",
          "Krauze", "Conros", "Utk", "Obverse", "Reverse", "CertificateCoin", "Metal", "Mint", "Edge", "CoinGrading",
          "Annotation", "CoverImage"}),
        // calendars (29 fields)
        Listed(kHeadWithISBN, {"Title", "Subtitle", "Series", "Publisher", "CityOfPublication", "PublicationDate",
          "InitialPrintRun", "NumberOfPages", "UDC", "UDC_DEF", "KTK", "Weight", "Height", "Width", "Annotation",
          "CoverImage", "ProductPackaging", "AgeCategory"}),
        // invoice (13 fields)
        {"RecordReference", "EAN13", "ISBN", "ProductName", "Price", "VAT", "RecommendedPrice", "PackQuantity",
          "Amount", "SalePlace", "GTDNo", "CountryCode", "CountryName"},
    }};
    // clang-format on
    return orders[IndexOf(type)];
}
