#include "app/common/DocumentTypeParameter.h"

#include "base/QuarnelError.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct ParameterCase {
    const char* text;
    bool readable;
    int type;
};

void PrintTo(const ParameterCase& c, std::ostream* os)
{
    *os << CaseText(c.text);
}

class DocumentTypeParameterTest : public testing::TestWithParam<ParameterCase> {};

TEST_P(DocumentTypeParameterTest, ReadsAnIntegerAndSelectsNoTypeOutsideTheList)
{
    const ParameterCase& c = GetParam();
    try {
        const TDocumentType type = ReadDocumentTypeParameter(c.text);
        EXPECT_TRUE(c.readable) << c.text;
        EXPECT_EQ(type, c.type) << c.text;
    } catch (const QuarnelError& error) {
        EXPECT_FALSE(c.readable) << c.text;
        EXPECT_EQ(std::string(error.what()), "'" + std::string(c.text) + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentTypeParameterTest,
    testing::Values(ParameterCase{"9", true, 9}, ParameterCase{"0", true, 0}, ParameterCase{"+3", true, 3},
                    ParameterCase{"007", true, 7}, ParameterCase{"-0", true, 0},
                    ParameterCase{"-1", true, kNoDocumentType}, ParameterCase{"10", true, kNoDocumentType},
                    ParameterCase{"265", true, kNoDocumentType}, ParameterCase{"2147483647", true, kNoDocumentType},
                    ParameterCase{"книги", false, 0}, ParameterCase{"", false, 0}, ParameterCase{"+", false, 0},
                    ParameterCase{"-", false, 0}, ParameterCase{" 9", false, 0}, ParameterCase{"9 ", false, 0},
                    ParameterCase{"1.5", false, 0}, ParameterCase{"+-5", false, 0}, ParameterCase{"++5", false, 0},
                    ParameterCase{"0x1", false, 0}, ParameterCase{"99999999999", false, 0},
                    ParameterCase{"2147483648", false, 0}));

} // namespace
