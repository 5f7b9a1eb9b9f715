#include "writers/ONIXNodes.h"
#include "xml/TXMLDocument.h"

#include <gtest/gtest.h>

using namespace ONIXFunctions;

namespace {

class NodeHelpers : public ::testing::Test {
protected:
    NodeHelpers() : product(doc.AddElement(doc.CreateRoot("KALMIRAMessage"), "Product", "")) {}
    std::string Xml() const { return doc.NodeXml(product); }

    TXMLDocument doc;
    TXMLNode product;
};

TEST_F(NodeHelpers, SupplyDetailComesWithItsSupplierOnce)
{
    const TXMLNode supply = FindOrAddNode(doc, product, "ProductSupply");
    const TXMLNode first = FindOrAddNode(doc, supply, "SupplyDetail");
    const TXMLNode second = FindOrAddNode(doc, supply, "SupplyDetail");
    EXPECT_EQ(first, second);
    EXPECT_EQ(Xml(), "<Product><ProductSupply><SupplyDetail><Supplier><SupplierRole>00</SupplierRole></Supplier>"
                     "</SupplyDetail></ProductSupply></Product>");
}

TEST_F(NodeHelpers, FindOrAddNodeReturnsTheFirstOfItsNameAndAppendsOtherwise)
{
    doc.AddElement(product, "RecordReference", "1");
    const TXMLNode existing = doc.AddElement(product, "DescriptiveDetail", "");
    doc.AddElement(product, "DescriptiveDetail", "");
    EXPECT_EQ(FindOrAddNode(doc, product, "DescriptiveDetail"), existing);
    FindOrAddNode(doc, product, "PublishingDetail");
    EXPECT_EQ(Xml(), "<Product><RecordReference>1</RecordReference><DescriptiveDetail/><DescriptiveDetail/>"
                     "<PublishingDetail/></Product>");
}

TEST_F(NodeHelpers, AddCodedNodeNeedsAValue)
{
    AddCodedNode(doc, product, "ProductIdentifier", "ProductIDType", "03", "IDValue", "");
    EXPECT_EQ(Xml(), "<Product/>");
    AddCodedNode(doc, product, "ProductIdentifier", "ProductIDType", "03", "IDValue", " ");
    EXPECT_EQ(Xml(), "<Product><ProductIdentifier><ProductIDType>03</ProductIDType><IDValue> </IDValue>"
                     "</ProductIdentifier></Product>");
}

TEST_F(NodeHelpers, FindNodeByChildTextMatchesExactly)
{
    EXPECT_TRUE(FindNodeByChildText(doc, product, "Collection", "CollectionType", "").IsEmpty());

    const TXMLNode bare = doc.AddElement(product, "Collection", "");
    const TXMLNode series = doc.AddElement(product, "Collection", "");
    doc.AddElement(series, "CollectionType", "10");
    const TXMLNode other = doc.AddElement(product, "Collection", "");
    doc.AddElement(other, "CollectionType", "20");

    EXPECT_EQ(FindNodeByChildText(doc, product, "Collection", "CollectionType", "10"), series);
    EXPECT_EQ(FindNodeByChildText(doc, product, "Collection", "CollectionType", "20"), other);
    EXPECT_EQ(FindNodeByChildText(doc, product, "Collection", "CollectionType", ""), bare);
    EXPECT_TRUE(FindNodeByChildText(doc, product, "Collection", "CollectionType", "1").IsEmpty());
    EXPECT_TRUE(FindNodeByChildText(doc, product, "Collection", "CollectionType", "10 ").IsEmpty());
    EXPECT_TRUE(FindNodeByChildText(doc, TXMLNode(), "Collection", "CollectionType", "").IsEmpty());
}

TEST_F(NodeHelpers, FindSubNodeByChildTextLooksThroughEveryParent)
{
    EXPECT_TRUE(FindSubNodeByChildText(doc, product, "A", "B", "Key", "").IsEmpty());
    const TXMLNode a1 = doc.AddElement(product, "A", "");
    doc.AddElement(doc.AddElement(a1, "B", ""), "Key", "x");
    const TXMLNode a2 = doc.AddElement(product, "A", "");
    doc.AddElement(doc.AddElement(a2, "B", ""), "Key", "y");
    const TXMLNode wanted = doc.AddElement(a2, "B", "");
    doc.AddElement(wanted, "Key", "z");

    EXPECT_EQ(FindSubNodeByChildText(doc, product, "A", "B", "Key", "z"), wanted);
    EXPECT_EQ(doc.GetNodeText(FindSubNodeByChildText(doc, product, "A", "B", "Key", "y"), "Key"), "y");
    EXPECT_TRUE(FindSubNodeByChildText(doc, product, "A", "B", "Key", "Z").IsEmpty());
}

TEST_F(NodeHelpers, ContributorNamesAreWrittenUntrimmedAndBlankOnesLeftOut)
{
    const struct {
        const char* keyNames;
        const char* namesBeforeKey;
        const char* xml;
    } cases[] = {
        {"  ", "", "<Product/>"},
        {"", " \t", "<Product/>"},
        {"Иванов", "  ",
         "<Product><DescriptiveDetail><Contributor><SequenceNumber>1</SequenceNumber>"
         "<ContributorRole>A01</ContributorRole><KeyNames>Иванов</KeyNames></Contributor>"
         "</DescriptiveDetail></Product>"},
        {" ", "Иван",
         "<Product><DescriptiveDetail><Contributor><SequenceNumber>1</SequenceNumber>"
         "<ContributorRole>A01</ContributorRole><NamesBeforeKey>Иван</NamesBeforeKey></Contributor>"
         "</DescriptiveDetail></Product>"},
        {" Иванов, Петров ", "И. И.",
         "<Product><DescriptiveDetail><Contributor><SequenceNumber>1</SequenceNumber>"
         "<ContributorRole>A01</ContributorRole><KeyNames> Иванов, Петров </KeyNames>"
         "<NamesBeforeKey>И. И.</NamesBeforeKey></Contributor></DescriptiveDetail></Product>"},
    };
    for (const auto& c : cases) {
        TXMLDocument caseDoc;
        const TXMLNode caseProduct = caseDoc.AddElement(caseDoc.CreateRoot("KALMIRAMessage"), "Product", "");
        AddContributorNode(caseDoc, caseProduct, "A01", c.keyNames, c.namesBeforeKey);
        EXPECT_EQ(caseDoc.NodeXml(caseProduct), c.xml) << c.keyNames << "|" << c.namesBeforeKey;
    }
}

TEST_F(NodeHelpers, ContributorsAreNumberedAcrossRoles)
{
    AddContributorNode(doc, product, "A01", "Пушкин", "");
    AddContributorNode(doc, product, "B11", "", "");
    AddContributorNode(doc, product, "B11", "Жуковский", "");
    AddContributorNode(doc, product, "B06", "Гнедич", "");
    const TXMLNode detail = doc.FindNode(product, "DescriptiveDetail");
    ASSERT_EQ(doc.CountNodes(detail, "Contributor"), 3);
    const char* expected[][2] = {{"1", "A01"}, {"2", "B11"}, {"3", "B06"}};
    for (int i = 0; i < 3; ++i) {
        const std::string path = "Contributor[" + std::to_string(i) + "]/";
        EXPECT_EQ(doc.GetNodeText(detail, path + "SequenceNumber"), expected[i][0]);
        EXPECT_EQ(doc.GetNodeText(detail, path + "ContributorRole"), expected[i][1]);
    }
}

TEST_F(NodeHelpers, SmallCompositesKeepTheirOrder)
{
    AddMeasureNode(doc, product, "08", "", "gr");
    EXPECT_EQ(Xml(), "<Product/>"); // no DescriptiveDetail for nothing
    AddMeasureNode(doc, product, "08", "350", "gr");
    const TXMLNode detail = doc.FindNode(product, "DescriptiveDetail");
    AddExtentNode(doc, detail, "00", "", "03");
    AddExtentNode(doc, detail, "00", "320", "03");
    AddAudienceRangeNode(doc, detail, "18", "03", "");
    AddAudienceRangeNode(doc, detail, "18", "03", "12");
    AddSubjectNode(doc, detail, "09", "", "");
    AddSubjectNode(doc, detail, "09", "", "821.161.1");
    AddLanguageNode(doc, product, "01", "rus");
    EXPECT_EQ(Xml(),
              "<Product><DescriptiveDetail>"
              "<Measure><MeasureType>08</MeasureType><Measurement>350</Measurement>"
              "<MeasureUnitCode>gr</MeasureUnitCode></Measure>"
              "<Extent><ExtentType>00</ExtentType><ExtentValue>320</ExtentValue><ExtentUnit>03</ExtentUnit></Extent>"
              "<AudienceRange><AudienceRangeQualifier>18</AudienceRangeQualifier>"
              "<AudienceRangePrecision>03</AudienceRangePrecision><AudienceRangeValue>12</AudienceRangeValue>"
              "</AudienceRange>"
              "<Subject><SubjectSchemeIdentifier>09</SubjectSchemeIdentifier><SubjectSchemeName/>"
              "<SubjectCode>821.161.1</SubjectCode></Subject>"
              "<Language><LanguageRole>01</LanguageRole><LanguageCode>rus</LanguageCode></Language>"
              "</DescriptiveDetail></Product>");
}

TEST_F(NodeHelpers, LanguageTakesDescriptiveDetailEvenWithoutACode)
{
    AddLanguageNode(doc, product, "01", "");
    EXPECT_EQ(Xml(), "<Product><DescriptiveDetail/></Product>");
}

} // namespace
