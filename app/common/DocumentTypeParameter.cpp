#include "app/common/DocumentTypeParameter.h"

#include "app/common/FrontEndTexts.h"
#include "base/MessageFormat.h"
#include "messages/QuarnelError.h"

#include <charconv>
#include <cstdint>

TDocumentType ReadDocumentTypeParameter(const std::string& text)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars takes a minus but no plus; "+-5" must stay unreadable.
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    const std::optional<TDocumentType> type =
        first == last || error != std::errc() || end != last ? std::nullopt : DocumentTypeAt(value);
    if (!type) throw QuarnelError(FormatMessage(QRNConsts::sBadDocumentType, {text}));
    return *type;
}

std::string DocumentTypeHelpLines()
{
    std::string lines;
    for (int index = 0; index < kDocumentTypeCount; ++index)
        lines += FormatMessage(QRNConsts::sCliDocTypeLine,
                               {std::to_string(index), DocumentTypeCaption(*DocumentTypeAt(index))});
    return lines;
}
