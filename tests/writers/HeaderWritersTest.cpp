#include "base/DateTime.h"
#include "writers/HeaderWriters.h"
#include "writers/MessageNoteTexts.h"
#include "writers/ONIXErrorChannel.h"
#include "xml/TXMLDocument.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace ONIXFunctions;

namespace {

struct HeaderInputs {
    std::string fromSAN, fromCompany, fromPerson, toSAN, toCompany, toPerson, messageNumber;
    double sentDate = 0;
    std::string note;
};

// The nine writers in the runs' calling order.
std::string WriteHeader(const HeaderInputs& in, std::uint8_t layout)
{
    TXMLDocument doc;
    const TXMLNode header = doc.AddElement(doc.CreateRoot("KALMIRAMessage"), "Header", "");
    Header::FromSAN(doc, header, in.fromSAN, layout);
    Header::FromCompany(doc, header, in.fromCompany, layout);
    Header::FromPerson(doc, header, in.fromPerson, layout);
    Header::ToSAN(doc, header, in.toSAN, layout);
    Header::ToCompany(doc, header, in.toCompany, layout);
    Header::ToPerson(doc, header, in.toPerson, layout);
    Header::MessageNumber(doc, header, in.messageNumber);
    Header::SentDate(doc, header, in.sentDate, layout);
    Header::MessageNote(doc, header, in.note);
    return doc.NodeXml(header);
}

double March5(int hour, int minute, int second)
{
    return EncodeDateTime({2024, 3, 5, hour, minute, second, 0});
}

const HeaderInputs kFull{"7701234567", "ООО \"Книги & Co\"", "Иванов И.И.",
                         "7809876543", "АО Магазин",         "Петров П.П.",
                         "15",         March5(14, 30, 59),   QRNConsts::sPriceListNote};

TEST(HeaderWriters, CompositeLayoutGroupsThePartiesInSenderAndAddressee)
{
    EXPECT_EQ(WriteHeader(kFull, Header::kCompositeLayout),
              "<Header><Sender><SenderIdentifier><SenderIDType>01</SenderIDType><IDTypeName>ИНН</IDTypeName>"
              "<IDValue>7701234567</IDValue></SenderIdentifier><SenderName>ООО \"Книги &amp; Co\"</SenderName>"
              "<ContactName>Иванов И.И.</ContactName></Sender>"
              "<Addressee><AddresseeIdentifier><AddresseeIDType>01</AddresseeIDType><IDTypeName>ИНН</IDTypeName>"
              "<IDValue>7809876543</IDValue></AddresseeIdentifier><AddresseeName>АО Магазин</AddresseeName>"
              "<ContactName>Петров П.П.</ContactName></Addressee>"
              "<MessageNumber>15</MessageNumber><SentDateTime>20240305T1430</SentDateTime>"
              "<MessageNote>Generated Quarnel 3.0 KALMIRA</MessageNote></Header>");
}

TEST(HeaderWriters, FlatLayoutWritesOnePlainElementPerInput)
{
    HeaderInputs in = kFull;
    in.note = QRNConsts::sInvoiceNote;
    EXPECT_EQ(WriteHeader(in, Header::kFlatLayout),
              "<Header><FromSAN>7701234567</FromSAN><FromCompany>ООО \"Книги &amp; Co\"</FromCompany>"
              "<FromPerson>Иванов И.И.</FromPerson><ToSAN>7809876543</ToSAN><ToCompany>АО Магазин</ToCompany>"
              "<ToPerson>Петров П.П.</ToPerson><MessageNumber>15</MessageNumber>"
              "<SentDate>20240305T1430</SentDate><MessageNote>Generated Quarnel 3.0</MessageNote></Header>");
}

TEST(HeaderWriters, EmptyInputsLeaveTheirElementsOut)
{
    const struct {
        HeaderInputs in;
        std::uint8_t layout;
        const char* xml;
    } cases[] = {
        {{"", "Книжный дом", "", "", "", "", "", 0, ""},
         Header::kCompositeLayout,
         "<Header><Sender><SenderName>Книжный дом</SenderName></Sender></Header>"},
        {{"", "", "", "", "", "Петров", "", 0, ""},
         Header::kCompositeLayout,
         "<Header><Addressee><ContactName>Петров</ContactName></Addressee></Header>"},
        {{"", "", "", "", "", "", "", March5(0, 0, 0), ""},
         Header::kCompositeLayout,
         "<Header><SentDateTime>20240305</SentDateTime></Header>"},
        {{"", "", "", "", "", "", "", 0, ""}, Header::kCompositeLayout, "<Header/>"},
        {{"", "", "", "", "", "", "", 0, ""}, Header::kFlatLayout, "<Header/>"},
        {{"  ", "", "", "", "", "  ", "", 0, ""},
         Header::kFlatLayout,
         "<Header><FromSAN>  </FromSAN><ToPerson>  </ToPerson></Header>"},
        {{"", "", "  ", "", "", "", "", 0, ""},
         Header::kCompositeLayout,
         "<Header><Sender><ContactName>  </ContactName></Sender></Header>"},
    };
    for (const auto& c : cases) EXPECT_EQ(WriteHeader(c.in, c.layout), c.xml) << c.xml;
}

TEST(HeaderWriters, SentDateDropsSecondsInBothLayouts)
{
    const struct {
        double value;
        const char* composite;
        const char* flat;
    } cases[] = {
        {March5(0, 0, 0), "<Header><SentDateTime>20240305</SentDateTime></Header>",
         "<Header><SentDate>20240305</SentDate></Header>"},
        {March5(14, 30, 59), "<Header><SentDateTime>20240305T1430</SentDateTime></Header>",
         "<Header><SentDate>20240305T1430</SentDate></Header>"},
        {March5(0, 0, 59), "<Header><SentDateTime>20240305</SentDateTime></Header>",
         "<Header><SentDate>20240305</SentDate></Header>"},
        {EncodeDateTime({999, 7, 1, 8, 5, 0, 0}), "<Header><SentDateTime>09990701T0805</SentDateTime></Header>",
         "<Header><SentDate>09990701T0805</SentDate></Header>"},
        {0, "<Header/>", "<Header/>"},
    };
    for (const auto& c : cases) {
        HeaderInputs in;
        in.sentDate = c.value;
        EXPECT_EQ(WriteHeader(in, Header::kCompositeLayout), c.composite);
        EXPECT_EQ(WriteHeader(in, Header::kFlatLayout), c.flat);
    }
}

TEST(HeaderWriters, AnUnknownLayoutWritesOnlyNumberAndNote)
{
    EXPECT_EQ(WriteHeader(kFull, 2),
              "<Header><MessageNumber>15</MessageNumber><MessageNote>Generated Quarnel 3.0 KALMIRA</MessageNote>"
              "</Header>");
}

TEST(HeaderWriters, ReportNothing)
{
    int reports = 0;
    OnONIXError() = [&] { ++reports; };
    WriteHeader({"abc", "", "", "x-y", "", "", "№ 1/2", March5(1, 2, 3), ""}, Header::kCompositeLayout);
    OnONIXError() = nullptr;
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(ONIXErrorText(), "");
}

} // namespace
