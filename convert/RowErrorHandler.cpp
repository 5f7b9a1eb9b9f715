#include "convert/RowErrorHandler.h"

#include "base/MessageFormat.h"
#include "catalogue/QRNConsts.h"
#include "writers/ONIXErrorChannel.h"

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
    if (text.find(QRNConsts::sCheckDigitMarker) == std::string::npos) criticalError = true;
    observer_.LogLine(FormatMessage(QRNConsts::sRowError, {std::to_string(currentRow)}) + text);
    ++errorCount;
    text.clear();
}

std::optional<long double> RowErrorHandler::ReadPrice(const std::string& text, const FieldColumn& field,
                                                      const Regional& regional, PriceKind kind)
{
    const std::optional<long double> number = regional.ReadNumber(NumberTextOf(text, field.fieldID));
    if (!number) {
        ReportPrice(QRNConsts::sNotANumber, text, field);
        return std::nullopt;
    }
    const bool inBounds = kind == PriceKind::Amount     ? std::fabs(*number) <= kMaxAmount
                          : kind == PriceKind::Discount ? *number >= 0 && *number <= 100
                                                        : true;
    if (!inBounds) {
        ReportPrice(QRNConsts::sNumberOutOfRange, text, field);
        return std::nullopt;
    }
    return number;
}

void RowErrorHandler::ReportPrice(const char* message, const std::string& text, const FieldColumn& field)
{
    if (priceReportedRow_ == currentRow) return;
    priceReportedRow_ = currentRow;
    observer_.LogLine(FormatMessage(QRNConsts::sRowError, {std::to_string(currentRow)})
                      + FormatMessage(message, {text, field.caption}));
    ++errorCount;
}

long double RowErrorHandler::ReadCount(const std::string& text, const FieldColumn& field, const Regional& regional)
{
    if (const std::optional<long double> number = regional.ReadNumber(NumberTextOf(text, field.fieldID)))
        return *number;
    unreadValues.Add(field.caption, currentRow);
    return 0;
}
