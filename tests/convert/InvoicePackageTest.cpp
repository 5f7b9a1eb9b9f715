#include "convert/InvoicePackage.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct FileNameCase {
    const char* chosen;
    int k;
    const char* expected;
};

void PrintTo(const FileNameCase& c, std::ostream* os)
{
    *os << CaseText(c.chosen) << ", package " << c.k;
}

class PackageFileNameTest : public testing::TestWithParam<FileNameCase> {};

TEST_P(PackageFileNameTest, PutsTheNumberBeforeXml)
{
    EXPECT_EQ(PackageFileName(GetParam().chosen, GetParam().k), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageFileNameTest,
    testing::Values(FileNameCase{"/out/inv.xml", 1, "/out/inv-1.xml"},
                    FileNameCase{"/out/inv.xml", 2, "/out/inv-2.xml"}, FileNameCase{"/out/inv", 1, "/out/inv-1.xml"},
                    FileNameCase{"/out/inv.2024.xml", 2, "/out/inv.2024-2.xml"},
                    FileNameCase{"/out/inv.txt", 12, "/out/inv-12.xml"},
                    // A dot in a folder name starts no extension.
                    FileNameCase{"/out.d/inv", 1, "/out.d/inv-1.xml"},
                    FileNameCase{"/a.b/c.d/inv", 3, "/a.b/c.d/inv-3.xml"},
                    FileNameCase{"out.d/inv.xml", 1, "out.d/inv-1.xml"},
                    // Nor does the dot that starts the file name.
                    FileNameCase{"/out/.hidden", 1, "/out/.hidden-1.xml"}, FileNameCase{".hidden", 1, ".hidden-1.xml"},
                    FileNameCase{"/out/.hidden.xml", 1, "/out/.hidden-1.xml"}, FileNameCase{"inv.xml", 1, "inv-1.xml"},
                    FileNameCase{"/out/inv.", 1, "/out/inv-1.xml"}));

TEST(PackageInvoiceNumberTest, AppendsThePackageNumber)
{
    EXPECT_EQ(PackageInvoiceNumber("1024", 1), "1024-1");
    EXPECT_EQ(PackageInvoiceNumber("1024", 2), "1024-2");
    EXPECT_EQ(PackageInvoiceNumber("", 3), "-3");
}

} // namespace
