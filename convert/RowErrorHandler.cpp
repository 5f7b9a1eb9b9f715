#include "convert/RowErrorHandler.h"

#include "base/MessageFormat.h"
#include "convert/RunLogTexts.h"
#include "writers/ONIXErrorChannel.h"
#include "writers/WriterTexts.h"

#include <cmath>
#include <string>

namespace {

// A price above this is a mistake, not a price.
constexpr long double kMaxAmount = 1e12L;

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

std::optional<std::string> RowErrorHandler::NumberText(const std::string& text, const FieldColumn& field,
                                                       std::string& otherCurrency)
{
    std::string currency;
    std::string number = NumberTextOf(text, field.fieldID, &currency);
    if (currency.empty()) return number;
    const auto [first, isFirst] = currencies_.try_emplace(field.fieldID, FieldCurrency{currency, currentRow});
    if (isFirst || first->second.currency == currency) return number;
    otherCurrency = FormatMessage(QRNConsts::sOtherCurrency,
                                  {text, field.caption, std::to_string(first->second.row), first->second.currency});
    return std::nullopt;
}

std::optional<long double> RowErrorHandler::ReadPrice(const std::string& text, const FieldColumn& field,
                                                      const Regional& regional, PriceKind kind)
{
    std::string otherCurrency;
    const std::optional<std::string> numberText = NumberText(text, field, otherCurrency);
    if (!numberText) {
        ReportPrice(otherCurrency);
        return std::nullopt;
    }
    const std::optional<long double> number = regional.ReadNumber(*numberText);
    if (!number) {
        ReportPrice(FormatMessage(QRNConsts::sNotANumber, {text, field.caption}));
        return std::nullopt;
    }
    const bool inBounds = kind == PriceKind::Amount     ? std::fabs(*number) <= kMaxAmount
                          : kind == PriceKind::Discount ? *number >= 0 && *number <= 100
                                                        : true;
    if (!inBounds) {
        ReportPrice(FormatMessage(QRNConsts::sNumberOutOfRange, {text, field.caption}));
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
    std::string otherCurrency;
    if (const std::optional<std::string> numberText = NumberText(text, field, otherCurrency))
        if (const std::optional<long double> number = regional.ReadNumber(*numberText)) return *number;
    unreadValues.Add(field.caption, currentRow);
    return 0;
}
