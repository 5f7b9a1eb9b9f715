// The text form in which the fuzzers mutate zip workbooks: what a bundle
// says is what the zip holds, and a zip comes back as the same bundle.
#include "PartBundle.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Parts = std::vector<std::pair<std::string, std::string>>;

Parts Pairs(const std::vector<BundlePart>& parts)
{
    Parts pairs;
    for (const auto& part : parts) pairs.emplace_back(part.name, part.content);
    return pairs;
}

struct BundleCase {
    const char* name;
    std::string bundle;
    Parts parts;
};

void PrintTo(const BundleCase& c, std::ostream* os)
{
    *os << c.name;
}

const BundleCase kBundles[] = {
    {"TwoParts", "@@ a.xml\n<a/>\n@@ b/c.xml\n<c>\n</c>", {{"a.xml", "<a/>"}, {"b/c.xml", "<c>\n</c>"}}},
    {"EmptyContent", "@@ a\n\n@@ b\nB", {{"a", ""}, {"b", "B"}}},
    {"EmptyContentRightBeforeTheNextMark", "@@ a\n@@ b\nB", {{"a", ""}, {"b", "B"}}},
    {"MarkInsideALineIsContent", "@@ a\nx @@ y\n@@b", {{"a", "x @@ y\n@@b"}}},
    {"NameWithoutLineEnd", "@@ only", {{"only", ""}}},
    {"NotABundle", "PK\x03\x04", {}},
};

class PartBundleParse : public testing::TestWithParam<BundleCase> {};

TEST_P(PartBundleParse, SplitsIntoNamedParts)
{
    EXPECT_EQ(Pairs(ParsePartBundle(GetParam().bundle)), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(Bundles, PartBundleParse, testing::ValuesIn(kBundles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PartBundle, ZipAndBackGivesTheSameBundle)
{
    TempFolder folder;
    const std::string bundle =
        "@@ mimetype\napplication/vnd.oasis.opendocument.spreadsheet\n@@ content.xml\n<x>\n\n</x>\n"
        "@@ empty\n";
    WriteBundleZip(folder.File("package.zip"), ParsePartBundle(bundle));
    EXPECT_EQ(MakePartBundle(ReadZipParts(folder.File("package.zip"))), bundle);
}

TEST(PartBundle, ALaterPartOfTheSameNameReplacesTheEarlier)
{
    TempFolder folder;
    WriteBundleZip(folder.File("package.zip"), ParsePartBundle("@@ a\nfirst\n@@ a\nsecond"));
    EXPECT_EQ(Pairs(ReadZipParts(folder.File("package.zip"))), (Parts{{"a", "second"}}));
}

} // namespace
