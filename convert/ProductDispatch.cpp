#include "convert/ProductDispatch.h"

#include "convert/PriceRule.h"
#include "writers/FieldWriter.h"
#include "writers/ONIXFunctions.h"

#include <array>

namespace P = ONIXFunctions::Product;

namespace {

// What every product of a kind of goods is, after the row's own forms;
// books and media carry none.
constexpr std::array<const char*, 9> kFixedProductForms{"", "", "ZA", "ZZ", "CA", "ZR", "ZS", "ZT", "PC"};

} // namespace

ProductDispatch::ProductDispatch(const RunInputs& inputs, const FieldColumns& fields)
    : regional_(inputs.regional), price01_(fields.Of("Price01")), price_(fields.Of("Price")),
      discountPercent_(fields.Of("DiscountPercent")), productAvailability_(fields.Of("ProductAvailability")),
      vat_(fields.Of("VAT")), onHand_(fields.Of("OnHand")), packQuantity_(fields.Of("PackQuantity"))
{
    if (inputs.documentType != kInvoiceType) fixedProductForm_ = kFixedProductForms[IndexOf(inputs.documentType)];
    for (const FieldRow& row : FieldRows()) {
        if (row.writing.shape == FieldShape::ReadElsewhere) continue;
        FieldStep step{&row.writing, {}, {}, false};
        if (*row.id) step.field = fields.Of(row.id);
        step.isCode = step.field.fieldID == "ISBN" || step.field.fieldID == "EAN13";
        if (row.pair) step.pair = fields.Of(row.pair);
        steps_.push_back(std::move(step));
    }
}

void ProductDispatch::WriteProduct(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                                   RowErrorHandler& rowErrors) const
{
    for (const FieldStep& step : steps_) {
        if (step.writing->shape == FieldShape::TypeProductForm) {
            if (!fixedProductForm_.empty()) P::ProductForm(doc, product, fixedProductForm_);
            continue;
        }
        // The pair's cell is read first, as the order of the columns in the
        // log's long-cell notes has always been.
        const std::string pairText =
            step.pair.fieldID.empty() ? std::string() : GetFieldValue(row, step.pair, observer);
        const std::string text = GetFieldValue(row, step.field, observer);
        P::WriteField(doc, product, *step.writing,
                      step.isCode ? rowErrors.repeatedCodes.CodeOf(text, step.field.fieldID, row.Number()) : text,
                      pairText);
    }
    WriteSupply(doc, product, row, observer, rowErrors);
}

void ProductDispatch::WriteSupply(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                                  RowErrorHandler& rowErrors) const
{
    // Each number is read, and a price that is no number reported, as its
    // cell is read. A product with a price that does not read goes without
    // prices: a price of 0 would tell the trade partner something else.
    bool pricesRead = true;
    const auto price = [&](const FieldColumn& field, RowErrorHandler::PriceKind kind, std::string* text = nullptr) {
        const std::string cell = GetFieldValue(row, field, observer);
        if (text) *text = NumberTextOf(cell, field.fieldID, regional_.decimalSeparator);
        const std::optional<long double> value = rowErrors.ReadPrice(cell, field, regional_, kind);
        pricesRead = pricesRead && value.has_value();
        return value.value_or(0);
    };
    const auto count = [&](const FieldColumn& field) {
        return rowErrors.ReadCount(GetFieldValue(row, field, observer), field, regional_);
    };
    using Kind = RowErrorHandler::PriceKind;
    std::string price01Text;
    std::string discountText;
    const long double price01 = price(price01_, Kind::ListPrice, &price01Text);
    long double listedPrice = price(price_, Kind::ListPrice);
    const long double discount = price(discountPercent_, Kind::Discount, &discountText);
    // Without an availability code of its own, a stock column in words
    // gives one, and no stock.
    const std::string stock = GetFieldValue(row, onHand_, observer);
    const char* stockCode =
        productAvailability_.column == 0 ? rowErrors.stockWords.CodeOf(stock, onHand_.caption) : nullptr;
    P::ProductAvailability(doc, product, stockCode ? stockCode : GetFieldValue(row, productAvailability_, observer));

    if (listedPrice == 0) listedPrice = DiscountedPrice(price01Text, discountText, regional_);
    const long double vat = price(vat_, Kind::Rate);
    if (pricesRead) P::Price(doc, product, price01, listedPrice, discount, vat);
    if (!stockCode) P::OnHand(doc, product, rowErrors.ReadCount(stock, onHand_, regional_));
    P::PackQuantity(doc, product, count(packQuantity_));
}
