#include "scheme/AutoMapping.h"
#include "scheme/ColumnLookup.h"
#include "catalogue/FieldCatalogue.h"

#include <gtest/gtest.h>

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
