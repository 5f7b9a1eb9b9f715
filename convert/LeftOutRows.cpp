#include "convert/LeftOutRows.h"

#include "base/MessageFormat.h"
#include "convert/RunLogTexts.h"
#include "writers/WriterTexts.h"

#include <algorithm>
#include <string_view>

const char* CriticalErrorKind(const std::string& errorText)
{
    const std::string_view text = errorText;
    if (text == QRNConsts::sNoRecordReference) return QRNConsts::sLeftOutNoArticle;
    if (const std::string_view same = QRNConsts::sSameArticle; text.starts_with(same.substr(0, same.find('%'))))
        return QRNConsts::sLeftOutSameArticle;
    if (text.starts_with("ISBN")) return QRNConsts::sLeftOutISBN;
    if (text.starts_with("EAN-13")) return QRNConsts::sLeftOutEAN13;
    if (text == QRNConsts::sBadPublicationYear) return QRNConsts::sLeftOutYear;
    return QRNConsts::sLeftOutOther;
}

void LeftOutRows::Add(const std::string& errorText, int row)
{
    const char* kind = CriticalErrorKind(errorText);
    const auto counted =
        std::find_if(byKind_.begin(), byKind_.end(), [kind](const auto& k) { return k.first == kind; });
    if (counted == byKind_.end()) byKind_.emplace_back(kind, 1);
    else ++counted->second;
    if (total_++ == 0) firstRow_ = row;
}

std::string LeftOutRows::SummaryLine() const
{
    if (total_ == 0) return {};
    std::string kinds;
    for (const auto& [kind, count] : byKind_)
        kinds += (kinds.empty() ? "" : ", ") + std::string(kind) + ": " + std::to_string(count);
    return FormatMessage(QRNConsts::sRowsLeftOut, {std::to_string(total_), kinds, std::to_string(firstRow_)});
}
