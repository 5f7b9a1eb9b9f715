#include "scheme/AutoMapping.h"
#include "scheme/ColumnLookup.h"
#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct AutoCase {
    const char* name;
    TDocumentType type;
    std::vector<std::string> columns;
    SchemeLines before;
    SchemeLines after;
    int mapped;
};

class AddConfidentMappingsTest : public ::testing::TestWithParam<AutoCase> {};

TEST_P(AddConfidentMappingsTest, AddsOnlyWhatIsNotMappedYet)
{
    const AutoCase& c = GetParam();
    SchemeLines lines = c.before;
    EXPECT_EQ(static_cast<int>(AddConfidentMappings(lines, c.type, c.columns).size()), c.mapped);
    EXPECT_EQ(lines, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddConfidentMappingsTest, ::testing::Values(
    AutoCase{"ExactCaptionsInCatalogueOrder", 0, {"ISBN", "Артикул", "Цена"}, {},
             {"Артикул = Артикул", "ISBN = ISBN"}, 2},
    AutoCase{"OtherCaseAndBlanks", 0, {"  артикул ", "ИЗДАТЕЛЬ"}, {},
             {"Артикул = артикул", "Издатель = ИЗДАТЕЛЬ"}, 2},
    AutoCase{"FirstOfDuplicateColumnsWins", 0, {"Издатель", "издатель"}, {}, {"Издатель = Издатель"}, 1},
    AutoCase{"AGuessIsNotAdded", 0, {"Код", "Цена"}, {"Артикул = Код"}, {"Артикул = Код"}, 0},
    // What the user mapped is never replaced, even by a column of the same name.
    AutoCase{"KeepsWhatTheUserMapped", 0, {"Артикул", "ISBN"}, {"ISBN = Код", "артикул = Старый", "Цена"},
             {"ISBN = Код", "артикул = Старый", "Цена"}, 0},
    AutoCase{"ALineWhoseColumnIsAbsentStillCounts", 0, {"Артикул", "ISBN"}, {"Артикул = Нет такого"},
             {"Артикул = Нет такого", "ISBN = ISBN"}, 1},
    AutoCase{"TwiceListedCaptionGivesOneLine", 3, {"Изображение, файл"}, {},
             {"Изображение, файл = Изображение, файл"}, 1},
    AutoCase{"CaptionsOfTheTypeOnly", 9, {"Товарное наименование", "Издатель"}, {},
             {"Товарное наименование = Товарное наименование"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AddConfidentMappingsTest, MappedFieldsResolveToTheirColumns)
{
    const std::vector<std::string> columns = {"Цена", "ISBN", "Артикул"};
    SchemeLines lines;
    AddConfidentMappings(lines, 0, columns);
    std::vector<std::string> captions;
    FillFieldsListBox(captions, 0);
    EXPECT_EQ(GetColumnByFieldID("RecordReference", 0, captions, lines, columns), 3);
    EXPECT_EQ(GetColumnByFieldID("ISBN", 0, captions, lines, columns), 2);
    EXPECT_EQ(GetColumnByFieldID("Price", 0, captions, lines, columns), 0);
}

} // namespace

namespace {

// Header rows with the field a person maps each column to ("" for a column
// left unmapped) and the columns that are only guesses.
struct HeaderRowCase {
    const char* name;
    TDocumentType type;
    std::vector<std::string> columns;
    std::vector<std::string> fieldIDs;
    std::vector<std::string> guessed;
};

// Header rows of real lists, each with where it was found, and a few written
// to show the normalising, an invoice and a near miss.
const HeaderRowCase kHeaderRows[] = {
    // The typical book price list of the request for this mapping.
    {"BookPriceList", 0,
     {"Код", "Наименование", "Автор", "Издательство", "Год издания", "ISBN", "Страниц", "Переплет", "Цена, руб.",
      "Остаток"},
     {"RecordReference", "Title", "AuthorKeyNames", "Publisher", "PublicationDate", "ISBN", "NumberOfPages",
      "ProductFormForBook", "Price01", "OnHand"},
     {"Код", "Переплет", "Цена, руб."}},
    // A book wholesaler's price list read by a scraper
    // (github.com/ksusavershinina/scraper_project, main.py, mk_price_21-07-2023.csv).
    {"WholesalePriceList", 0,
     {"Код_циф", "ISBN", "Автор", "Название", "Издательство", "Город", "Год", "Цена", "Код_бук", "Кол-во стр.",
      "Формат", "Размер", "Вес", "Тип обл.", "Серия", "Стандарт", "тираж", "на складе"},
     {"RecordReference", "ISBN", "AuthorKeyNames", "Title", "Publisher", "CityOfPublication", "PublicationDate",
      "Price01", "", "NumberOfPages", "", "", "Weight", "ProductFormForBook", "Series", "PackQuantity",
      "InitialPrintRun", "OnHand"},
     {"Цена"}},
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
     {"Price"}},
    // Auto parts from a supplier's price list (github.com/roganovich/pythonEmailPriceLoader, parsers/autoray.py).
    {"PartsPriceList", 5,
     {"КатНомер", "Наименование", "Производитель", "Применяемость", "Кроссы", "Цена", "Наличие"},
     {"RecordReference", "Title", "Trademark", "", "", "Price01", "OnHand"},
     {"Производитель", "Цена", "Наличие"}},
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

std::string FieldOfCaption(const std::string& caption, TDocumentType type)
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
            const auto found = std::find_if(proposed.begin(), proposed.end(),
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
    EXPECT_EQ(FindHeaderRow(0, {{"ООО «Книжный дом»"}, {"Прайс-лист на 05.03.2024"}, {},
                                {"Код", "Наименование", "Автор", "Цена"}, {"K-1", "Книга", "Пушкин", "100"}}),
              4);
    EXPECT_EQ(FindHeaderRow(0, {{"x"}, {"1", "2"}}), 0);
}

} // namespace
