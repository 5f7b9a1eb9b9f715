#include "convert/RowErrorHandler.h"

#include "base/MessageFormat.h"
#include "base/NumberText.h"
#include "convert/RunLogTexts.h"
#include "writers/ONIXErrorChannel.h"
#include "writers/WriterTexts.h"

#include <cmath>
#include <string>

namespace {

// A price above this is a mistake, not a price.
constexpr long double kMaxAmount = 1e12L;
// A price below half a kopeck is 0 when written to kopecks.
constexpr long double kKopeckHalf = 0.005L;

// The number in the cell, and in `currency` the currency written beside it.
std::optional<long double> CellNumber(const std::string& text, const FieldColumn& field, const Regional& regional,
                                      std::string& currency)
{
    return regional.ReadNumber(NumberTextOf(text, field.fieldID, regional.decimalSeparator, &currency));
}

} // namespace

RowErrorHandler::RowErrorHandler(RunObserver& observer) : observer_(observer), previous_(ONIXFunctions::OnONIXError())
{
    ONIXFunctions::OnONIXError() = [this] { HandleRowError(); };
}

RowErrorHandler::~RowErrorHandler()
{
    ONIXFunctions::OnONIXError() = std::move(previous_);
}

void RowErrorHandler::HandleRowError()
{
    std::string& text = ONIXFunctions::ONIXErrorText();
    if (text.empty()) return;
    if (text.find(QRNConsts::sCheckDigitMarker) == std::string::npos) {
        criticalError = true;
        if (criticalRow_ != currentRow) {
            criticalRow_ = currentRow;
            firstCritical_ = text;
        }
    }
    observer_.LogLine(FormatMessage(QRNConsts::sRowError, {std::to_string(currentRow)}) + text);
    ++errorCount;
    text.clear();
}

std::string RowErrorHandler::OtherCurrency(const std::string& text, const std::string& currency,
                                           const FieldColumn& field)
{
    if (currency.empty()) return {};
    const std::string code(CurrencyCode(currency));
    const auto [first, isFirst] = currencies_.try_emplace(field.fieldID, FieldCurrency{currency, code, currentRow});
    if (isFirst || first->second.code == code) return {};
    return FormatMessage(QRNConsts::sOtherCurrency,
                         {text, field.caption, std::to_string(first->second.row), first->second.currency});
}

std::string RowErrorHandler::OutOfBounds(long double number, PriceKind kind, const std::string& text,
                                         const FieldColumn& field)
{
    const char* message = nullptr;
    switch (kind) {
    case PriceKind::ListPrice:
        if (number < 0) message = QRNConsts::sNegativeNumber;
        // Written to kopecks, it would be a price of 0, or none at all.
        else if (number != 0 && number < kKopeckHalf) message = QRNConsts::sLessThanKopeck;
        else if (number > kMaxAmount) message = QRNConsts::sNumberOutOfRange;
        break;
    case PriceKind::Amount:
        if (std::fabs(number) > kMaxAmount) message = QRNConsts::sNumberOutOfRange;
        break;
    case PriceKind::Discount:
        if (number < 0 || number > 100) message = QRNConsts::sNumberOutOfRange;
        break;
    case PriceKind::Rate:
        if (number < 0) message = QRNConsts::sNegativeNumber;
        break;
    }
    return message ? FormatMessage(message, {text, field.caption}) : std::string();
}

std::optional<long double> RowErrorHandler::ReadPrice(const std::string& text, const FieldColumn& field,
                                                      const Regional& regional, PriceKind kind)
{
    std::string currency;
    const std::optional<long double> number = CellNumber(text, field, regional, currency);
    if (!number) {
        ReportPrice(FormatMessage(QRNConsts::sNotANumber, {text, field.caption}));
        return std::nullopt;
    }
    std::string problem = OtherCurrency(text, currency, field);
    if (problem.empty()) problem = OutOfBounds(*number, kind, text, field);
    if (!problem.empty()) {
        ReportPrice(problem);
        return std::nullopt;
    }
    return number;
}

void RowErrorHandler::ReportPrice(const std::string& message)
{
    if (priceReportedRow_ == currentRow) return;
    priceReportedRow_ = currentRow;
    observer_.LogLine(FormatMessage(QRNConsts::sRowError, {std::to_string(currentRow)}) + message);
    ++errorCount;
}

long double RowErrorHandler::ReadCount(const std::string& text, const FieldColumn& field, const Regional& regional)
{
    std::string currency;
    if (const std::optional<long double> number = CellNumber(text, field, regional, currency))
        if (OtherCurrency(text, currency, field).empty()) return *number;
    unreadValues.Add(field.caption, currentRow);
    return 0;
}

std::optional<long double> RowErrorHandler::ReadRate(const std::string& text, const FieldColumn& field,
                                                     const Regional& regional)
{
    const long double rate = ReadCount(text, field, regional);
    if (const std::string problem = OutOfBounds(rate, PriceKind::Rate, text, field); !problem.empty()) {
        ReportPrice(problem);
        return std::nullopt;
    }
    return rate;
}
