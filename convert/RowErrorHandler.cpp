#include "convert/RowErrorHandler.h"

#include "base/MessageFormat.h"
#include "catalogue/QRNConsts.h"
#include "writers/ONIXErrorChannel.h"

#include <string>

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

long double RowErrorHandler::ReadNumber(const std::string& text, const FieldColumn& field, const Regional& regional)
{
    if (const std::optional<long double> number = regional.ReadNumber(NumberTextOf(text, field.fieldID)))
        return *number;
    observer_.LogLine(FormatMessage(QRNConsts::sRowError, {std::to_string(currentRow)})
                      + FormatMessage(QRNConsts::sNotANumber, {text, field.caption}));
    ++errorCount;
    return 0;
}
