#include "scheme/ColumnLookup.h"
#include "support/TypeIndex.h"

#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

std::vector<std::string> CaptionsOf(TypeIndex type)
{
    std::vector<std::string> captions;
    captions = FieldCaptions(type);
    return captions;
}

struct LookupCase {
    const char* name;
    TypeIndex type;
    const char* fieldID;
    SchemeLines scheme;
    Names columns;
    int expected;
};

void PrintTo(const LookupCase& c, std::ostream* os)
{
    *os << c.name;
}

class ColumnOfField : public testing::TestWithParam<LookupCase> {};

TEST_P(ColumnOfField, FollowsCaptionSchemeLineAndHeaderRow)
{
    const LookupCase& c = GetParam();
    const auto captions = CaptionsOf(c.type);
    EXPECT_EQ(GetColumnByFieldID(c.fieldID, c.type, captions, c.scheme, c.columns), c.expected);
}

const Names kColumns = {"Код", "ISBN", "Название", "код", "", "a=b", "НАЗВАНИЕ ТОВАРА"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnOfField,
    testing::Values(
        LookupCase{"mapped", 0, "RecordReference", {"Артикул = Код"}, kColumns, 1},
        LookupCase{"laterColumn", 0, "ISBN", {"Артикул = Код", "ISBN = ISBN"}, kColumns, 2},
        LookupCase{"unmappedField", 0, "ISBN", {"Артикул = Код"}, kColumns, 0},
        LookupCase{"emptyScheme", 0, "RecordReference", {}, kColumns, 0},
        LookupCase{"captionInOtherCase", 0, "RecordReference", {"АРТИКУЛ = Код"}, kColumns, 1},
        LookupCase{"columnNameInOtherCase", 0, "Title", {"Название (Основное заглавие) = название"}, kColumns, 3},
        LookupCase{"blanksAroundColumnName", 0, "Title", {"Название (Основное заглавие) =   Название \t"}, kColumns, 3},
        LookupCase{"duplicateHeaderGivesTheFirst", 0, "RecordReference", {"Артикул = КОД"}, kColumns, 1},
        LookupCase{"columnNotInHeaderRow", 0, "RecordReference", {"Артикул = Шифр"}, kColumns, 0},
        LookupCase{"emptyValueNeverMapsTheEmptyHeader", 0, "RecordReference", {"Артикул =   "}, kColumns, 0},
        LookupCase{"noBlankBeforeEquals", 0, "RecordReference", {"Артикул=Код"}, kColumns, 0},
        LookupCase{"twoBlanksBeforeEquals", 0, "RecordReference", {"Артикул  = Код"}, kColumns, 0},
        LookupCase{"lineWithoutEquals", 0, "RecordReference", {"Артикул Код"}, kColumns, 0},
        LookupCase{"firstLineOfTheCaptionWins", 0, "RecordReference", {"Артикул = Шифр", "Артикул = Код"}, kColumns, 0},
        LookupCase{"columnNameWithEquals", 0, "Price01", {"Отпускная цена без НДС = a=b"}, kColumns, 6},
        LookupCase{"captionOfAnotherType", 2, "Title", {"Название (Основное заглавие) = Название"}, kColumns, 0},
        LookupCase{"captionOfThisType", 2, "Title", {"Наименование товара = Название товара"}, kColumns, 7},
        LookupCase{"bookCaptionOfGoodsTitle", 0, "Title", {"Наименование товара = Название"}, kColumns, 0},
        LookupCase{"fieldTheTypeHasNot", 1, "ISBN", {"ISBN = ISBN"}, kColumns, 0},
        LookupCase{"displayTypeWithCyrillicEs", 3, kScreenTypeFieldID, {"Тип дисплея = Код"}, kColumns, 1},
        LookupCase{"displayTypeWithLatinC", 3, "ScreenType", {"Тип дисплея = Код"}, kColumns, 0},
        LookupCase{"digitalImageSharesOneLine", 3, "CoverImage", {"Изображение, файл = ISBN"}, kColumns, 2},
        LookupCase{"invoiceName", kInvoiceType, "ProductName", {"Товарное наименование = название"}, kColumns, 3}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST(ColumnLookup, CaptionMissingFromTheFieldListMapsNothing)
{
    // The field list is compared exactly: a list from another type, or none.
    const SchemeLines scheme = {"Наименование товара = Код"};
    EXPECT_EQ(GetColumnByFieldID("Title", TypeIndex(2), CaptionsOf(TypeIndex(0)), scheme, kColumns), 0);
    EXPECT_EQ(GetColumnByFieldID("Title", TypeIndex(2), {}, scheme, kColumns), 0);
    EXPECT_EQ(GetColumnByFieldID("Title", TypeIndex(2), {"наименование товара"}, scheme, kColumns), 0);
    EXPECT_EQ(GetColumnByFieldID("Title", TypeIndex(2), {"Наименование товара"}, scheme, kColumns), 1);
}

TEST(ColumnLookup, SchemeOfAnotherTypeMapsOnlyTheSharedCaptions)
{
    // A books scheme opened for stationery: only the captions both types
    // share take effect.
    const SchemeLines booksScheme = {"Артикул = Код", "Название (Основное заглавие) = Название", "Аннотация = ISBN",
                                     "Штрих-код (EAN-13) = a=b"};
    const auto captions = CaptionsOf(TypeIndex(2));
    EXPECT_EQ(GetColumnByFieldID("RecordReference", TypeIndex(2), captions, booksScheme, kColumns), 1);
    EXPECT_EQ(GetColumnByFieldID("EAN13", TypeIndex(2), captions, booksScheme, kColumns), 6);
    EXPECT_EQ(GetColumnByFieldID("Title", TypeIndex(2), captions, booksScheme, kColumns), 0);
    EXPECT_EQ(GetColumnByFieldID("Annotation", TypeIndex(2), captions, booksScheme, kColumns), 0);
}
