#include "base/Regional.h"
#include "writers/ONIXErrorChannel.h"
#include "writers/SupplyWriters.h"
#include "xml/TXMLDocument.h"

#include <gtest/gtest.h>

#include <string>

using namespace ONIXFunctions;

namespace {

// A row's supply cells as the price-list run hands them over.
struct SupplyRow {
    std::string availability;
    long double price01 = 0, price = 0, discount = 0, vat = 0, onHand = 0, packQuantity = 0;
};

std::string WriteSupply(const SupplyRow& row, const Regional& regional = Regional::Russian())
{
    RegionalScope scope(regional);
    TXMLDocument doc;
    const TXMLNode product = doc.AddElement(doc.CreateRoot("KALMIRAMessage"), "Product", "");
    Product::ProductAvailability(doc, product, row.availability);
    Product::Price(doc, product, row.price01, row.price, row.discount, row.vat);
    Product::OnHand(doc, product, row.onHand);
    Product::PackQuantity(doc, product, row.packQuantity);
    return doc.NodeXml(product);
}

std::string Supply(const std::string& inner)
{
    return "<Product><ProductSupply><SupplyDetail><Supplier><SupplierRole>00</SupplierRole></Supplier>" + inner
           + "</SupplyDetail></ProductSupply></Product>";
}

std::string ListPrice(const char* amount, const char* vat)
{
    return std::string("<Price><PriceType>01</PriceType><PriceAmount>") + amount
           + "</PriceAmount><Tax><TaxType>01</TaxType><TaxRatePercent>" + vat + "</TaxRatePercent></Tax></Price>";
}

std::string DiscountedPrice(const char* amount, const std::string& discount = "")
{
    return std::string("<Price><PriceType>05</PriceType><PriceAmount>") + amount + "</PriceAmount>"
           + (discount.empty() ? "" : "<Discount><DiscountPercent>" + discount + "</DiscountPercent></Discount>")
           + "</Price>";
}

TEST(SupplyWriters, WriteOneSupplyDetailInCallingOrder)
{
    const struct {
        SupplyRow row;
        std::string xml;
    } cases[] = {
        {{"", 100, 90, 10, 10, 0, 0}, Supply(ListPrice("100", "10") + DiscountedPrice("90", "10"))},
        {{"", 99.9L, 99.9L, 0, 10, 0, 0}, Supply(ListPrice("99.9", "10") + DiscountedPrice("99.9"))},
        {{"", 0, 150, 0, 0, 0, 0}, Supply(ListPrice("0", "0") + DiscountedPrice("150"))},
        {{"", 0, 0, 0, 18, 0, 0}, Supply(ListPrice("0", "18") + DiscountedPrice("0"))},
        {{"", 0, 0, 12.5L, 0, 0, 0}, Supply(ListPrice("0", "0") + DiscountedPrice("0", "12.5"))},
        {{"", 120, 0, 0, 0, 0, 0}, "<Product/>"}, // a list price alone writes no prices
        {{}, "<Product/>"},
        {{"", 0, 0, 0, 0, 12, 0}, Supply("<Stock><OnHand>12</OnHand></Stock>")},
        {{"", 0, 0, 0, 0, -2.5L, 0}, Supply("<Stock><OnHand>-2.5</OnHand></Stock>")},
        {{"20", 0, 0, 0, 0, 0, 5},
         Supply("<ProductAvailability>20</ProductAvailability><PackQuantity>5</PackQuantity>")},
        {{"XX", 1234567.891L, 1111111.1L, 10, 20, 3, 1e15L},
         Supply("<ProductAvailability>XX</ProductAvailability>" + ListPrice("1234567.891", "20")
                + DiscountedPrice("1111111.1", "10") + "<Stock><OnHand>3</OnHand></Stock>"
                + "<PackQuantity>1E15</PackQuantity>")},
    };
    for (const auto& c : cases) EXPECT_EQ(WriteSupply(c.row), c.xml) << c.xml;
}

TEST(SupplyWriters, WriteAPointUnderEitherRegionalSeparator)
{
    Regional point;
    point.decimalSeparator = ".";
    const SupplyRow row{"", 12.5L, 11.25L, 10, 0.5L, 0, 0};
    const std::string expected = Supply(ListPrice("12.5", "0.5") + DiscountedPrice("11.25", "10"));
    EXPECT_EQ(WriteSupply(row, Regional::Russian()), expected);
    EXPECT_EQ(WriteSupply(row, point), expected);
}

TEST(SupplyWriters, ReportNothing)
{
    int reports = 0;
    OnONIXError() = [&] { ++reports; };
    WriteSupply({"не в списке", -1, -2, -3, -4, -5, -6});
    OnONIXError() = nullptr;
    EXPECT_EQ(reports, 0);
}

} // namespace
