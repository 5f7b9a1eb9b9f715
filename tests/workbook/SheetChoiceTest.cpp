// A sheet as a user types it (--sheet): a name first, then a name typed
// loosely, then a position; "#N" always a position.
#include "workbook/SheetChoice.h"

#include <gtest/gtest.h>

namespace {

struct TypedSheetCase {
    const char* name;
    std::vector<std::string> sheets;
    std::string typed;
    SheetChoice chosen;
};

void PrintTo(const TypedSheetCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<std::string> kYears = {"2024", "2023", "1", "2"};

class ResolveTypedSheetTest : public testing::TestWithParam<TypedSheetCase> {};

TEST_P(ResolveTypedSheetTest, FindsTheSheetTheUserMeant)
{
    std::vector<SheetEntry> offered;
    for (const std::string& name : GetParam().sheets) offered.push_back({name, false});
    EXPECT_EQ(ResolveTypedSheet(offered, GetParam().typed), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolveTypedSheetTest,
    testing::Values(TypedSheetCase{"NameBeforePosition", kYears, "1", "#3"},
                    TypedSheetCase{"NameThatIsAYear", kYears, "2024", "#1"},
                    TypedSheetCase{"HashIsAlwaysAPosition", kYears, "#1", "#1"},
                    TypedSheetCase{"NumberWithoutSuchName", kYears, "3", "3"},
                    TypedSheetCase{"NoBreakSpaceAndCase", {"Обложка", "Прайс\xC2\xA0лист"}, "прайс  лист", "#2"},
                    TypedSheetCase{"ExactNameBeforeLooseOne", {"прайс", "Прайс"}, "Прайс", "#2"},
                    TypedSheetCase{"UnknownNameIsKept", {"Обложка"}, "Журналы", "Журналы"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
