#include "app/common/DocumentTypeParameter.h"
#include "support/TypeIndex.h"

#include "messages/QuarnelError.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct ParameterCase {
    const char* text;
    int type; // -1: refused
};

void PrintTo(const ParameterCase& c, std::ostream* os)
{
    *os << CaseText(c.text);
}

class DocumentTypeParameterTest : public testing::TestWithParam<ParameterCase> {};

TEST_P(DocumentTypeParameterTest, ReadsATypeOfTheListAndRefusesAnythingElse)
{
    const ParameterCase& c = GetParam();
    try {
        const TypeIndex type = ReadDocumentTypeParameter(c.text);
        EXPECT_EQ(IndexOf(type), c.type) << c.text;
    } catch (const QuarnelError& error) {
        EXPECT_EQ(c.type, -1) << c.text;
        EXPECT_EQ(std::string(error.what()), "Недопустимый тип документа \"" + std::string(c.text)
                                                 + "\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная).");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentTypeParameterTest,
                         testing::Values(ParameterCase{"9", 9}, ParameterCase{"0", 0}, ParameterCase{"+3", 3},
                                         ParameterCase{"007", 7}, ParameterCase{"-0", 0}, ParameterCase{"-1", -1},
                                         ParameterCase{"10", -1}, ParameterCase{"265", -1},
                                         ParameterCase{"2147483647", -1}, ParameterCase{"книги", -1},
                                         ParameterCase{"abc", -1}, ParameterCase{"", -1}, ParameterCase{"+", -1},
                                         ParameterCase{"-", -1}, ParameterCase{" 9", -1}, ParameterCase{"9 ", -1},
                                         ParameterCase{"1.5", -1}, ParameterCase{"+-5", -1}, ParameterCase{"++5", -1},
                                         ParameterCase{"0x1", -1}, ParameterCase{"99999999999", -1},
                                         ParameterCase{"2147483648", -1}));

} // namespace
