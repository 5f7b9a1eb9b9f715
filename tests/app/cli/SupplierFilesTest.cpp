// Real price lists, waybills and orders that suppliers sent, read in the
// supplier layout with the header row and the mapping a person wrote down by
// hand before any of them was converted (tests/data/supplier/ANNOTATIONS.tsv).

#include "app/cli/ChildProcess.h"
#include "support/TypeIndex.h"
#include "convert/RunFixture.h"

#include "base/Cp1251.h"
#include "catalogue/DocumentTypes.h"
#include "catalogue/FieldCatalogue.h"
#include "scheme/ArticleFromName.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::string kFolder = QUARNEL_SOURCE_DIR "/tests/data/supplier/";

// The annotation's words for what a column holds, as the fields of a price
// list and of an invoice; the other words map to no field.
const std::map<std::string, std::pair<const char*, const char*>> kFieldOfWord{
    {"Артикул", {"RecordReference", "RecordReference"}},
    {"Название", {"Title", "ProductName"}},
    {"Цена", {"Price01", "Price"}},
    {"Количество", {"OnHand", "Amount"}},
    {"Ставка НДС", {"VAT", "VAT"}},
    {"ISBN", {"ISBN", "ISBN"}},
    {"EAN", {"EAN13", "EAN13"}},
    {"Автор", {"AuthorKeyNames", ""}},
    {"Издательство", {"Publisher", ""}},
    {"Год", {"PublicationDate", ""}},
    {"Страниц", {"NumberOfPages", ""}},
    {"Серия", {"Series", ""}},
};

struct Annotation {
    std::string sheet;                          // "#2"
    std::string headerRow;                      // "22"
    std::map<std::string, std::string> mapping; // column letters to the annotation's word
    int productRows = 0;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Annotation Annotated(const std::string& file)
{
    std::ifstream in(kFolder + "ANNOTATIONS.tsv");
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> columns = Split(line, '\t');
        if (columns.size() < 9 || columns[0] != file) continue;
        // "D-LINK (1)" or "2": the sheet by its position.
        const std::string& sheet = columns[1];
        const auto open = sheet.rfind(" (");
        Annotation annotation{
            "#" + (open == std::string::npos ? sheet : sheet.substr(open + 2, sheet.size() - open - 3)),
            columns[2],
            {},
            std::stoi(columns[4])};
        for (const std::string& pair : Split(columns[8], ';')) {
            const auto equals = pair.find('=');
            if (equals != std::string::npos)
                annotation.mapping[Trimmed(pair.substr(0, equals))] = Trimmed(pair.substr(equals + 1));
        }
        return annotation;
    }
    ADD_FAILURE() << file << " is not annotated";
    return {};
}

int ColumnIndex(const std::string& letters)
{
    int index = 0;
    for (const char letter : letters) index = index * 26 + (letter - 'A' + 1);
    return index;
}

// The options that read the file as annotated, and the column names they
// give.
std::vector<std::string> ReadingOptions(const Annotation& annotation, const TempFolder& folder)
{
    return {"--settings", folder.File("quarnel.ini"), "--layout",     "supplier",
            "--sheet",    annotation.sheet,           "--header-row", annotation.headerRow};
}

std::vector<std::string> ListedColumns(std::vector<std::string> reading, const std::string& workbook)
{
    reading.insert(reading.end(), {"--list-columns", workbook});
    return Split(RunProcess(QUARNEL_CONVERT_PATH, reading, {}).out, '\n');
}

// The scheme lines the person's mapping makes for the type.
SchemeLines PersonScheme(const Annotation& annotation, const std::vector<std::string>& names, TypeIndex type)
{
    SchemeLines scheme;
    for (const auto& [letters, word] : annotation.mapping) {
        const auto field = kFieldOfWord.find(word);
        const auto column = static_cast<std::size_t>(ColumnIndex(letters));
        if (field == kFieldOfWord.end() || column > names.size()) continue;
        const std::string fieldID = type == kInvoiceType ? field->second.second : field->second.first;
        const std::string caption = fieldID.empty() ? "" : FieldCaption(fieldID, type);
        if (!caption.empty()) scheme.push_back(SchemeLineFor(caption, names[column - 1]));
    }
    // Where the sheet has no article, a person gives it the identifier's
    // column, or else the article made from the name.
    const std::string article = FieldCaption("RecordReference", type);
    if (FindSchemeLine(scheme, article) < 0) {
        std::string source = kFromNameColumn;
        for (const char* code : {"EAN13", "ISBN"})
            if (const int at = FindSchemeLine(scheme, FieldCaption(code, type)); at >= 0)
                source = SchemeValuePart(scheme[static_cast<std::size_t>(at)]).value_or(source);
        scheme.push_back(SchemeLineFor(article, Trimmed(source)));
    }
    return scheme;
}

struct SupplierFile {
    const char* file;
    TypeIndex type;
    int delivered;          // Product or Position elements in the saved files
    const char* passedOver; // the summary's reasons, "" for none
    int withoutArticle = 0; // product rows without an article: left out of the file
    int notProducts = 0;    // rows delivered that are no products: a known fault
};

void PrintTo(const SupplierFile& c, std::ostream* os)
{
    *os << c.file;
}

const std::vector<SupplierFile> kFiles{

    SupplierFile{"dlink_price_2021.xls", 3, 717, "154 (заголовки групп: 154)."},
    SupplierFile{"dlink_price_2021_04.xls", 3, 722, "153 (заголовки групп: 153)."},
    SupplierFile{"ws_stock_1c.xls", 5, 670, "151 (заголовки групп: 150, итоги: 1)."},
    // Two kinds of line in one sheet: the order lines ("30.11.2020 16:44;
    // УТ000138685;...;RUB") read as positions.
    SupplierFile{"ws_orders_cp1251.csv", 9, 507, "", 0, 132},
    SupplierFile{"torg12_toys.xls", 9, 2,
                 "22 (заголовки групп: 6, итоги: 2, повторы заголовков: 1, без артикула и названия: 1, без данных "
                 "в сопоставленных столбцах: 12)."},
    SupplierFile{"torg12_toys.xlsx", 9, 1,
                 "22 (заголовки групп: 6, итоги: 2, повторы заголовков: 1, без артикула и названия: 1, без данных "
                 "в сопоставленных столбцах: 12)."},
    SupplierFile{"torg12_multipage.xls", 9, 69,
                 "42 (заголовки групп: 10, итоги: 6, повторы заголовков: 13, без артикула и названия: 1, без "
                 "данных в сопоставленных столбцах: 12)."},
    SupplierFile{"tv_comp_1c.xls", 3, 2557, "152 (заголовки групп: 152)."},
    // No article in the sheet: the person takes the article from the name.
    // 5 headings carry a stray number; 4 of them read as products.
    SupplierFile{"otk_tools_price.xls", 5, 214, "31 (заголовки групп: 31).", 0, 4},
    SupplierFile{"otk_products_import.csv", 5, 210, ""},
    SupplierFile{"telesrv_price.xls", 3, 8762, "281 (заголовки групп: 281).", 0, 1},
    // 1,695 of the 7,040 products have no article: the rest are saved.
    SupplierFile{"batteries_price.xlsx", 2, 5344, "557 (заголовки групп: 557).", 1695},
    SupplierFile{"kspm_price.xlsx", 5, 3000, "32 (заголовки групп: 31, повторы заголовков: 1)."},
    SupplierFile{"order_389.xls", 9, 20, "2 (заголовки групп: 2)."},
    SupplierFile{"order_390.xls", 9, 2, "2 (заголовки групп: 2)."}, SupplierFile{"order_a00976.xlsx", 9, 8, ""},
    SupplierFile{"order_335.xls", 9, 20, "5 (заголовки групп: 3, итоги: 1, без данных в сопоставленных столбцах: 1)."},
    SupplierFile{"purchase_from_tsv.xlsx", 9, 10,
                 ""}, // Row 62, a name without a code or a quantity, does not look like the
    // positions around it.
    SupplierFile{"maz_tender.xls", 9, 260, "1 (не похожие на строки товаров: 1)."},
    SupplierFile{"kamaz_tender.xlsx", 9, 836, ""}, SupplierFile{"maz_request.xls", 9, 11, ""},
    SupplierFile{"zbest_mobile_price_2025_09.xls", 3, 611, "25 (заголовки групп: 25)."},
    SupplierFile{"zbest_mobile_price_2022_12.xls", 3, 645, "27 (заголовки групп: 27)."},
    SupplierFile{"shock_absorbers_price.xlsx", 5, 305, ""},
    // Its 23 group rows carry "Да"/"Нет" and a sum, so they read as
    // products without an article; a third header row is passed over, and
    // the total ("Итог" in the article column) reads as a product.
    SupplierFile{"norfin_stock_valuation_1c_ua.xls", 5, 256, "1 (без артикула и названия: 1).", 23, 1},
    // A publisher's title list: ISBNs, no article; the ISBN gives it.
    SupplierFile{"springer_free_textbooks_title_list_2020.xlsx", 0, 407, ""},
    // Its EANs were kept as numbers (the leading 0 comes back); the line
    // "Coefficient 2.95" under the header reads as a product.
    SupplierFile{"distrimarq_perfume_price_2017_04.xls", 5, 86, "54 (заголовки групп: 54).", 0, 1}};

class SupplierFilesTest : public testing::TestWithParam<SupplierFile> {};

TEST_P(SupplierFilesTest, DeliversTheProductRowsAndPassesOverTheRest)
{
    const SupplierFile& c = GetParam();
    const Annotation annotation = Annotated(c.file);
    TempFolder folder;
    const std::string workbook = kFolder + c.file;
    const std::vector<std::string> reading = ReadingOptions(annotation, folder);
    const bool invoice = c.type == kInvoiceType;
    const std::string schemeFile = folder.File("scheme.sch");
    WriteSchemeFile(schemeFile, PersonScheme(annotation, ListedColumns(reading, workbook), c.type));

    const std::string output = folder.File("out.xml");
    std::vector<std::string> run = reading;
    run.insert(run.end(),
               {"--scheme", schemeFile, "--from-san", "1", workbook, output, std::to_string(IndexOf(c.type))});
    if (invoice) run.insert(run.end(), {"1", "1"});
    const ProcessOutput result = RunProcess(QUARNEL_CONVERT_PATH, run, {});

    int delivered = 0;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        if (entry.path().extension() == ".xml")
            delivered += Occurrences(ReadMessage(entry.path().string()), invoice ? "<Position>" : "<Product>");
    EXPECT_EQ(delivered, c.delivered) << result.out.substr(0, 2000);
    // A group heading, header or total never becomes a product.
    EXPECT_LE(delivered, annotation.productRows + c.notProducts);
    const std::string passed = std::string("Пропущено строк: ");
    const auto at = result.err.find(passed);
    const std::string reasons = at == std::string::npos ? "" : result.err.substr(at, result.err.find('\n', at) - at);
    EXPECT_EQ(reasons, *c.passedOver ? passed + c.passedOver : "");
    EXPECT_EQ(Occurrences(result.out, "Не указан артикул товара"), c.withoutArticle);
}

INSTANTIATE_TEST_SUITE_P(Files, SupplierFilesTest, testing::ValuesIn(kFiles), [](const auto& info) {
    std::string name = info.param.file;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

// The automatic mapping against the person's, on the annotated header row:
// tuned on two thirds of the files, measured on the rest (README.md).
const std::set<std::string> kHeldOut{"ws_orders_cp1251.csv",    "torg12_multipage.xls",
                                     "otk_products_import.csv", "order_389.xls",
                                     "kspm_price.xlsx",         "maz_tender.xls",
                                     "maz_request.xls",         "springer_free_textbooks_title_list_2020.xlsx"};

// A proposed pair is right when the person made it, wrong when the person
// mapped its field to another column or its column to another field, and
// otherwise beside the point (the annotation's words name no such field).
TEST(SupplierFilesMapping, ProposesWhatAPersonMaps)
{
    int heldOutPairs = 0, heldOutFound = 0, confident = 0, wrong = 0;
    for (const SupplierFile& c : kFiles) {
        const Annotation annotation = Annotated(c.file);
        TempFolder folder;
        const std::string workbook = kFolder + c.file;
        const std::vector<std::string> reading = ReadingOptions(annotation, folder);
        const SchemeLines person = PersonScheme(annotation, ListedColumns(reading, workbook), c.type);
        std::vector<std::string> run = reading;
        run.insert(run.end(), {"--auto-scheme", "--save-scheme", folder.File("proposed.sch"), "--from-san", "1",
                               workbook, folder.File("out.xml"), std::to_string(IndexOf(c.type))});
        if (c.type == kInvoiceType) run.insert(run.end(), {"1", "1"});
        const std::string said = RunProcess(QUARNEL_CONVERT_PATH, run, {}).err;
        const SchemeLines proposed = ReadSchemeFile(folder.File("proposed.sch"));
        // The price a person maps is proposed, with confidence or as a guess.
        const std::string price = FieldCaption(c.type == kInvoiceType ? "Price" : "Price01", c.type);
        for (const std::string& line : person) {
            const bool proposedPrice = std::count(proposed.begin(), proposed.end(), line) > 0
                                       || said.find("Предположение: " + line + " (") != std::string::npos;
            EXPECT_TRUE(SchemeNamePart(line) != price + " " || proposedPrice) << c.file << ": " << line;
        }

        const bool heldOut = kHeldOut.count(c.file) > 0;
        int found = 0;
        for (const std::string& line : person) found += std::count(proposed.begin(), proposed.end(), line);
        for (const std::string& line : proposed) {
            const std::string caption = SchemeNamePart(line);
            const std::string column = SchemeValuePart(line).value_or("");
            // A pair the person made is right, also where another of the
            // person's fields shares its column (the article from the ISBN's).
            const bool made = std::count(person.begin(), person.end(), line) > 0;
            const bool conflicts = !made && std::any_of(person.begin(), person.end(), [&](const std::string& other) {
                return SchemeNamePart(other) == caption || SchemeValuePart(other) == column;
            });
            wrong += conflicts;
            // Never for what names the product, its price or its quantity.
            for (const char* key :
                 {"RecordReference", "Title", "ProductName", "Price01", "Price", "OnHand", "Amount"}) {
                EXPECT_FALSE(conflicts && caption == FieldCaption(key, c.type) + " ") << c.file << ": " << line;
            }
        }
        confident += static_cast<int>(proposed.size());
        if (heldOut) {
            heldOutPairs += static_cast<int>(person.size());
            heldOutFound += found;
        }
        std::cout << c.file << (heldOut ? " (held out)" : "") << ": " << found << " of " << person.size() << "\n";
    }
    std::cout << "held out: " << heldOutFound << " of " << heldOutPairs << "; wrong " << wrong << " of " << confident
              << " confident\n";
    EXPECT_LE(wrong * 20, confident) << "more than 5 % of the confident pairs are wrong";
    EXPECT_GE(heldOutFound * 100, heldOutPairs * 85) << "less than 85 % of the held-out pairs proposed";
}

} // namespace
