#include "app/common/DocumentTypeParameter.h"

#include "app/common/FrontEndTexts.h"
#include "base/MessageFormat.h"
#include "base/QuarnelError.h"

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
    if (first == last || error != std::errc() || end != last)
        throw QuarnelError(FormatMessage(QRNConsts::sNotValidInteger, {text}));
    if (value < 0 || value >= kDocumentTypeCount) return kNoDocumentType;
    return static_cast<TDocumentType>(value);
}

std::string DocumentTypeHelpLines()
{
    std::string lines;
    for (int type = 0; type < kDocumentTypeCount; ++type)
        lines += FormatMessage(QRNConsts::sCliDocTypeLine,
                               {std::to_string(type), DocumentTypeCaption(static_cast<TDocumentType>(type))});
    return lines;
}
