#include "writers/CodeOfCell.h"

#include "base/MessageFormat.h"
#include "base/Utf8Text.h"
#include "writers/ONIXChecks.h"
#include "writers/WriterTexts.h"

#include <algorithm>
#include <vector>

namespace ONIXFunctions {

namespace {

std::vector<std::string> Parts(std::string text)
{
    for (std::string::size_type at; (at = text.find("\u00A0")) != std::string::npos;) text.replace(at, 2, " ");
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const auto end = std::min(text.find_first_of(" \t,;\r\n", start), text.size());
        if (end > start) parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// `significant` gives a part's code as compared (hyphens off an ISBN), ""
// when the part is no code on its own.
template <typename Significant>
CellCode OneCode(const std::string& cellText, Significant significant, const char* twoCodes)
{
    // Most cells hold one code and nothing to split at.
    if (cellText.find_first_of(" \t,;\r\n\xC2") == std::string::npos) return {cellText, false, {}};
    const std::vector<std::string> parts = Parts(cellText);
    if (parts.size() < 2) return {cellText, false, {}};
    std::vector<std::string> codes;
    for (const std::string& part : parts) {
        codes.push_back(significant(part));
        if (codes.back().empty()) return {cellText, false, {}};
    }
    for (std::size_t i = 1; i < parts.size(); ++i)
        if (codes[i] != codes[0]) return {"", false, FormatMessage(twoCodes, {parts[0], parts[i]})};
    return {parts[0], true, {}};
}

} // namespace

CellCode ISBNOfCell(const std::string& cellText)
{
    return OneCode(
        cellText,
        [](const std::string& part) {
            std::string code = RemoveHyphens(part);
            const std::size_t length = Utf8Length(code);
            return length == 10 || length == 13 ? code : std::string();
        },
        QRNConsts::sISBNTwoCodes);
}

CellCode EAN13OfCell(const std::string& cellText)
{
    return OneCode(
        cellText, [](const std::string& part) { return Utf8Length(part) == 13 ? part : std::string(); },
        QRNConsts::sEAN13TwoCodes);
}

} // namespace ONIXFunctions
