#include "convert/NameArticles.h"

#include "base/MessageFormat.h"
#include "convert/RunLogTexts.h"
#include "writers/ONIXErrorChannel.h"

#include <string>

void NameArticles::Check(const SheetRow& row)
{
    if (column_ == 0) return;
    const std::string_view article = row.CellText(column_);
    // "Н" (two bytes) and the hash's 16 hexadecimal digits.
    if (article.size() != 18) return;
    const std::uint64_t hash = std::stoull(std::string(article.substr(2)), nullptr, 16);
    const auto [first, isFirst] = firstRow_.try_emplace(hash, row.Number());
    if (isFirst) return;
    ONIXFunctions::ReportONIXError(
        FormatMessage(QRNConsts::sSameArticle, {std::string(article), std::to_string(first->second)}));
}
