#include "base/FileFault.h"
#include "support/TempFolder.h"
#include "xml/TXMLDocument.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

TEST(TXMLDocument, EmptyHandlesMakeEveryOperationDoNothing)
{
    TXMLDocument doc;
    const TXMLNode none;
    EXPECT_TRUE(doc.AddElement(none, "A", "x").IsEmpty());
    EXPECT_TRUE(doc.FindNode(none, "A").IsEmpty());
    EXPECT_EQ(doc.CountNodes(none, "A"), 0);
    EXPECT_EQ(doc.NodeText(none), "");
    EXPECT_EQ(doc.GetNodeText(none, "A"), "");
    EXPECT_TRUE(doc.CreateRoot("not a name").IsEmpty());
}

TEST(TXMLDocument, FindsAndCountsByPath)
{
    TXMLDocument doc;
    const TXMLNode root = doc.CreateRoot("Product");
    const TXMLNode detail = doc.AddElement(root, "DescriptiveDetail", "");
    doc.AddElement(doc.AddElement(detail, "Contributor", ""), "KeyNames", "Пушкин");
    doc.AddElement(doc.AddElement(detail, "Contributor", ""), "KeyNames", "Лермонтов");

    struct Case {
        const char* path;
        const char* text;
    };
    const Case cases[] = {
        {"DescriptiveDetail/Contributor/KeyNames", "Пушкин"},
        {"DescriptiveDetail/Contributor[0]/KeyNames", "Пушкин"},
        {"DescriptiveDetail/Contributor[1]/KeyNames", "Лермонтов"},
        {"DescriptiveDetail/Contributor[2]/KeyNames", ""},
        {"DescriptiveDetail/Missing", ""},
        {"DescriptiveDetail[x]", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(doc.GetNodeText(root, c.path), c.text) << c.path;

    EXPECT_EQ(doc.CountNodes(detail, "Contributor"), 2);
    EXPECT_EQ(doc.CountNodes(root, "DescriptiveDetail/Contributor/KeyNames"), 2);
    EXPECT_EQ(doc.CountNodes(detail, "Contributor[1]"), 1);
    EXPECT_EQ(doc.FindNode(detail, "Contributor[1]"), doc.FindNode(detail, "Contributor[1]"));
    EXPECT_EQ(doc.NodeText(detail), "ПушкинЛермонтов");
}

TEST(TXMLDocument, SavesWindows1251WithoutIndentation)
{
    TempFolder folder;
    TXMLDocument doc;
    const TXMLNode root = doc.CreateRoot("KALMIRAMessage");
    const TXMLNode header = doc.AddElement(root, "Header", "");
    doc.AddElement(header, "SentDateTime", "20240305");
    const TXMLNode product = doc.AddElement(root, "Product", "");
    doc.AddElement(product, "Title", "Война & мир <1> \"Ω\"");
    doc.AddElement(product, "Note",
                   std::string("a\x01"
                               "b\tc\x1F",
                               7));
    doc.AddElement(product, "S\xD1\x81reenType", "да");
    doc.AddElement(product, "Emoji", "\xF0\x9F\x98\x80 №");
    doc.AddElement(root, "Product", "");
    const std::string path = folder.File("out.xml");
    doc.SaveDocument(path);

    const std::string expected =
        std::string(kDeclaration)
        + "<KALMIRAMessage><Header><SentDateTime>20240305</SentDateTime></Header>"
          "<Product><Title>\xC2\xEE\xE9\xED\xE0 &amp; \xEC\xE8\xF0 &lt;1&gt; \"&#937;\"</Title>"
          "<Note>ab\tc</Note><S\xF1reenType>\xE4\xE0</S\xF1reenType><Emoji>&#128512; \xB9</Emoji></Product><Product/></KALMIRAMessage>\n";
    EXPECT_EQ(ReadFileBytes(path), expected);
}

// Where a streamed save begins and writes out what is complete; does nothing
// when the document is saved whole.
struct StreamPoints {
    TXMLDocument& doc;
    std::string path;
    bool streaming;
    void Begin() const
    {
        if (streaming) doc.BeginSave(path);
    }
    void Flush(TXMLNode open) const
    {
        if (streaming) doc.FlushCompleted(open);
    }
};

// Builds the document twice, saved whole and streamed, expects the same bytes
// and returns them.
template <typename Build>
std::string SaveBothWays(Build build)
{
    TempFolder folder;
    std::string bytes[2];
    for (const bool streaming : {false, true}) {
        TXMLDocument doc;
        const std::string path = folder.File(streaming ? "streamed.xml" : "whole.xml");
        build(doc, StreamPoints{doc, path, streaming});
        if (streaming) doc.FinishSave();
        else doc.SaveDocument(path);
        bytes[streaming] = ReadFileBytes(path);
    }
    EXPECT_EQ(bytes[true], bytes[false]);
    return bytes[true];
}

TEST(TXMLDocument, StreamingGivesTheSameBytesAsOneSave)
{
    const std::string bytes = SaveBothWays([](TXMLDocument& doc, const StreamPoints& stream) {
        const TXMLNode root = doc.CreateRoot("BookCommerceMessage");
        doc.AddElement(doc.AddElement(root, "Header", ""), "MessageNumber", "1024-1");
        const TXMLNode commercial = doc.AddElement(root, "CommercialDocument", "");
        doc.AddElement(commercial, "DocumentType", "PayableBill");
        stream.Begin();
        for (int i = 0; i < 3; ++i) {
            const TXMLNode position = doc.AddElement(commercial, "Position", "");
            doc.AddElement(position, "RecordReference", "A" + std::to_string(i));
            stream.Flush(commercial);
        }
    });
    EXPECT_NE(bytes.find("<Position><RecordReference>A2</RecordReference></Position></CommercialDocument>"),
              std::string::npos);
}

TEST(TXMLDocument, AbandonedStreamLeavesThePreviousFile)
{
    TempFolder folder;
    const std::string path = folder.File("out.xml");
    WriteFileBytes(path, "previous");
    {
        TXMLDocument doc;
        const TXMLNode root = doc.CreateRoot("KALMIRAMessage");
        doc.BeginSave(path);
        doc.AddElement(root, "Product", "");
        doc.FlushCompleted(root);
    }
    EXPECT_EQ(ReadFileBytes(path), "previous");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(TXMLDocument, TextsBeforeChildrenAndTextsCleanedAway)
{
    TXMLDocument doc;
    const TXMLNode root = doc.CreateRoot("Product");
    const TXMLNode mixed = doc.AddElement(root, "Title", "Война & мир\r");
    doc.AddElement(mixed, "Part", "Том <1>");
    const TXMLNode cleaned = doc.AddElement(root, "Note", "\x01\x02");
    doc.AddElement(root, "Empty", "");

    EXPECT_EQ(doc.NodeXml(root),
              "<Product><Title>Война &amp; мир&#13;<Part>Том &lt;1&gt;</Part></Title><Note></Note><Empty/></Product>");
    EXPECT_EQ(doc.NodeText(mixed), "Война & мир\rТом <1>");
    EXPECT_EQ(doc.NodeText(cleaned), "");
    EXPECT_TRUE(doc.FindNode(root, "Unknown").IsEmpty());
    EXPECT_EQ(doc.CountNodes(root, "Title/Unknown"), 0);
}

// Elements written out are reused for the next products; what a product
// leaves behind (texts, children, a long text) must not reach the next one.
TEST(TXMLDocument, ReusedElementsCarryNothingOver)
{
    const std::string longText(10000, 'x');
    const std::string bytes = SaveBothWays([&](TXMLDocument& doc, const StreamPoints& stream) {
        const TXMLNode root = doc.CreateRoot("ONIXMessage");
        doc.AddElement(root, "Header", "");
        stream.Begin();
        for (int i = 0; i < 40; ++i) {
            const TXMLNode product = doc.AddElement(root, "Product", i % 3 ? "" : "текст");
            doc.AddElement(product, "RecordReference", std::to_string(i));
            if (i % 2) doc.AddElement(doc.AddElement(product, "Title", ""), "TitleText", i % 4 == 1 ? longText : "Т");
            if (i % 5 == 0) doc.AddElement(product, "Note", "\x03");
            doc.AddElement(product, "PublishingDetail", "");
            EXPECT_EQ(doc.CountNodes(product, "Title/TitleText"), i % 2);
            stream.Flush(root);
        }
    });
    EXPECT_NE(bytes.find("<Product>\xF2\xE5\xEA\xF1\xF2<RecordReference>0</RecordReference><Note></Note>"
                         "<PublishingDetail/></Product>"
                         "<Product><RecordReference>1</RecordReference><Title><TitleText>"
                         + longText),
              std::string::npos);
    EXPECT_NE(bytes.find("<Product><RecordReference>2</RecordReference><PublishingDetail/></Product>"),
              std::string::npos);
}

TEST(TXMLDocument, FailedSaveNamesTheFile)
{
    TempFolder folder;
    TXMLDocument doc;
    doc.CreateRoot("KALMIRAMessage");
    const std::string path = folder.File("missing/out.xml");
    try {
        doc.SaveDocument(path);
        FAIL() << "no error";
    } catch (const FileFault& fault) {
        EXPECT_EQ(fault.path, path);
    }
}

} // namespace
