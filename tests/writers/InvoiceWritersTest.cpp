#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "base/Regional.h"
#include "writers/InvoiceWriters.h"

namespace {

namespace Invoice = ONIXFunctions::Invoice;

using TextWriter = std::function<void(TXMLDocument&, TXMLNode, const std::string&)>;
using NumberWriter = std::function<void(TXMLDocument&, TXMLNode, long double)>;

// One invoice position under the Russian profile.
struct Position {
    std::string Xml() const { return doc.NodeXml(node); }

    Regional russian = Regional::Russian();
    RegionalScope scope{russian};
    TXMLDocument doc;
    TXMLNode node = doc.AddElement(doc.CreateRoot("BookCommerceMessage"), "Position", "");
};

struct TextCase {
    const char* element;
    TextWriter writer;
};

const TextCase kTextWriters[] = {
    {"RecordReference", Invoice::RecordReference}, {"EAN13", Invoice::EAN13}, {"ISBN", Invoice::ISBN},
    {"ProductName", Invoice::ProductName},         {"GTDNo", Invoice::GTDNo}, {"CountryCode", Invoice::CountryCode},
    {"CountryName", Invoice::CountryName},
};

TEST(InvoicePosition, TextsAreWrittenExactlyAsInTheCell)
{
    // Invoices carry what the workbook held: blanks, hyphens and wrong check
    // digits included.
    const std::string texts[] = {" 978-5-17-118366-4 ", "   ", "Книга \"Мир\" & <Ко>"};
    for (const TextCase& c : kTextWriters) {
        for (const std::string& text : texts) {
            Position p;
            c.writer(p.doc, p.node, text);
            SCOPED_TRACE(std::string(c.element) + " [" + text + "]");
            ASSERT_EQ(p.doc.CountNodes(p.node, c.element), 1);
            EXPECT_EQ(p.doc.GetNodeText(p.node, c.element), text);
        }
    }
}

TEST(InvoicePosition, EmptyTextsWriteNothing)
{
    Position p;
    for (const TextCase& c : kTextWriters) c.writer(p.doc, p.node, "");
    EXPECT_EQ(p.Xml(), "<Position/>");
}

struct NumberCase {
    long double value;
    const char* text;
    const char* amount = nullptr; // the prices' text where it differs: never an exponent
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c)
{
    return out << c.text;
}

class InvoiceNumberFormat : public ::testing::TestWithParam<NumberCase> {};

TEST_P(InvoiceNumberFormat, EveryNumberWriterUsesTheRegionalGeneralForm)
{
    const struct {
        const char* element;
        NumberWriter writer;
        bool amount;
    } writers[] = {
        {"Amount", Invoice::Amount, false},
        {"Price", Invoice::Price, true},
        {"RecommendedPrice", Invoice::RecommendedPrice, true},
        {"PackQuantity", Invoice::PackQuantity, false},
    };
    for (const auto& w : writers) {
        Position p;
        w.writer(p.doc, p.node, GetParam().value);
        const std::string element = w.element;
        const std::string text = w.amount && GetParam().amount ? GetParam().amount : GetParam().text;
        EXPECT_EQ(p.Xml(), "<Position><" + element + ">" + text + "</" + element + "></Position>");
    }
}

INSTANTIATE_TEST_SUITE_P(Values, InvoiceNumberFormat,
                         ::testing::Values(NumberCase{3, "3"}, NumberCase{150.75L, "150,75"}, NumberCase{-5, "-5"},
                                           NumberCase{1e15L, "1E15", "1000000000000000"},
                                           NumberCase{1e-6L, "1E-6", "0,000001"},
                                           NumberCase{999999999999999.0L, "999999999999999"}, NumberCase{12.5L, "12,5"},
                                           NumberCase{0.5L, "0,5"}));

TEST(InvoicePosition, ZeroNumbersWriteNothing)
{
    Position p;
    Invoice::Amount(p.doc, p.node, 0);
    Invoice::Price(p.doc, p.node, 0);
    Invoice::RecommendedPrice(p.doc, p.node, 0);
    Invoice::VAT(p.doc, p.node, 0);
    Invoice::PackQuantity(p.doc, p.node, 0);
    EXPECT_EQ(p.Xml(), "<Position/>");
}

TEST(InvoicePosition, VATIsATaxComposite)
{
    Position p;
    Invoice::VAT(p.doc, p.node, 10);
    Invoice::VAT(p.doc, p.node, 18.5L);
    EXPECT_EQ(p.Xml(), "<Position>"
                       "<Tax><TaxType>VAT</TaxType><Rate>10</Rate></Tax>"
                       "<Tax><TaxType>VAT</TaxType><Rate>18,5</Rate></Tax>"
                       "</Position>");
}

TEST(InvoicePosition, NumbersFollowTheActiveDecimalSeparator)
{
    Position p;
    Regional point;
    point.decimalSeparator = ".";
    const RegionalScope scope(point);
    Invoice::Price(p.doc, p.node, 150.75L);
    Invoice::VAT(p.doc, p.node, 0.1L);
    EXPECT_EQ(p.Xml(), "<Position><Price>150.75</Price><Tax><TaxType>VAT</TaxType><Rate>0.1</Rate></Tax></Position>");
}

TEST(InvoicePosition, AFullRowKeepsTheCallingOrder)
{
    Position p;
    Invoice::RecordReference(p.doc, p.node, "A-1");
    Invoice::EAN13(p.doc, p.node, "4607086560129");
    Invoice::ISBN(p.doc, p.node, "978-5-17-118366-0");
    Invoice::ProductName(p.doc, p.node, "Азбука");
    Invoice::Amount(p.doc, p.node, 3);
    Invoice::Price(p.doc, p.node, 150.75L);
    Invoice::RecommendedPrice(p.doc, p.node, 199);
    Invoice::VAT(p.doc, p.node, 10);
    Invoice::PackQuantity(p.doc, p.node, 20);
    Invoice::GTDNo(p.doc, p.node, "10130010/010120/0000001");
    Invoice::CountryCode(p.doc, p.node, "RU");
    Invoice::CountryName(p.doc, p.node, "Россия");
    EXPECT_EQ(p.Xml(), "<Position><RecordReference>A-1</RecordReference><EAN13>4607086560129</EAN13>"
                       "<ISBN>978-5-17-118366-0</ISBN><ProductName>Азбука</ProductName><Amount>3</Amount>"
                       "<Price>150,75</Price><RecommendedPrice>199</RecommendedPrice>"
                       "<Tax><TaxType>VAT</TaxType><Rate>10</Rate></Tax><PackQuantity>20</PackQuantity>"
                       "<GTDNo>10130010/010120/0000001</GTDNo><CountryCode>RU</CountryCode>"
                       "<CountryName>Россия</CountryName></Position>");
}

} // namespace
