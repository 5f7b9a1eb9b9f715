#include "convert/FieldCell.h"

#include "base/MessageFormat.h"
#include "base/NumberText.h"
#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/RunLogTexts.h"
#include "scheme/ColumnLookup.h"
#include "writers/ONIXChecks.h"

namespace {

constexpr std::size_t kLongCellLimit = 250;

} // namespace

std::string GetFieldValue(const SheetRow& row, const FieldColumn& field, RunObserver& observer)
{
    if (field.column <= 0) return {};
    std::string value(row.CellText(field.column));
    // Byte count first: a text of at most 250 bytes has at most 250 characters.
    if (field.fieldID != "Annotation" && value.size() > kLongCellLimit && Utf8Length(value) > kLongCellLimit) {
        // The warning quotes what the cell keeps: a message of megabytes
        // would freeze the box and flood the console.
        value = Utf8Left(value, kLongCellLimit);
        observer.LongCellWarning(FormatMessage(QRNConsts::sLongCellWarning, {value + "…"}), row.Number(),
                                 field.fieldID);
    }
    return value;
}

std::string GetInvoiceFieldValue(const SheetRow& row, const FieldColumn& field)
{
    if (field.column <= 0) return {};
    return std::string(row.CellText(field.column));
}

std::string BarcodeOfCell(std::string_view cell)
{
    std::string barcode(cell);
    if (barcode.size() != 12 || barcode.find_first_not_of("0123456789") != std::string::npos) return barcode;
    std::string expected;
    const std::string restored = "0" + barcode;
    return ONIXFunctions::IsEAN13CheckDigitValid(restored, expected) ? restored : barcode;
}

std::string IsbnOfCell(std::string_view cell)
{
    std::string isbn(cell);
    const bool shortened = (isbn.size() == 9 && isbn.find_first_not_of("0123456789") == std::string::npos)
                           || (isbn.size() == 9 && (isbn.back() == 'X' || isbn.back() == 'x')
                               && isbn.find_first_not_of("0123456789") == 8);
    if (!shortened) return isbn;
    // The ISBN-10 check: the digits weighted 10 down to 1 sum to a multiple
    // of 11 ("X" is 10).
    const std::string restored = "0" + isbn;
    int sum = 0;
    for (std::size_t i = 0; i < 10; ++i)
        sum +=
            static_cast<int>(10 - i) * (i == 9 && (restored[i] == 'X' || restored[i] == 'x') ? 10 : restored[i] - '0');
    return sum % 11 == 0 ? restored : isbn;
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Roubles and kopecks as price lists of old write them, "1 900=00" and
// "11=90": the "=" is the decimal separator when a digit stands before it
// and exactly two after it. Any other "=" stays, and the text does not read.
std::string KopecksAfterEquals(std::string number, std::string_view decimalSeparator)
{
    const auto equals = number.find('=');
    if (equals == std::string::npos || equals == 0 || number.size() - equals != 3 || !IsDigit(number[equals - 1])
        || !IsDigit(number[equals + 1]) || !IsDigit(number[equals + 2]))
        return number;
    return number.replace(equals, 1, decimalSeparator);
}

} // namespace

std::string NumberTextOf(std::string_view cell, const std::string& fieldID, std::string_view decimalSeparator,
                         std::string* currency)
{
    if (currency) currency->clear();
    if (fieldID == "VAT" && SameTextIgnoreCase(Trim(cell), "без НДС")) return "0";
    NumberUnit unit = NumberUnit::None;
    if (fieldID == "VAT" || fieldID == "DiscountPercent") unit = NumberUnit::Percent;
    for (const char* count : {"OnHand", "Amount", "PackQuantity", "InitialPrintRun", "NumberOfItemsOfThisForm"})
        if (fieldID == count) unit = NumberUnit::Pieces;
    std::string_view money;
    std::string number(WithoutUnits(cell, unit, &money));
    if (currency) *currency = money;
    for (const char* price : {"Price01", "Price", "RecommendedPrice"})
        if (fieldID == price) return KopecksAfterEquals(std::move(number), decimalSeparator);
    return number;
}
