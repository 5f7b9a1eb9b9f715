#include "app/cli/DocumentTypeParameter.h"

#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr TDocumentType kNoSelection = 255;

} // namespace

TDocumentType ReadDocumentTypeParameter(const std::string& text)
{
    std::int32_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    const auto result = std::from_chars(first, last, value);
    if (first == last || result.ec != std::errc() || result.ptr != last)
        throw QuarnelError(FormatMessage(QRNConsts::sNotValidInteger, {text}));
    if (value < 0 || value >= kDocumentTypeCount) return kNoSelection;
    return static_cast<TDocumentType>(value);
}
