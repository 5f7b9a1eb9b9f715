#include "xml/XmlText.h"

#include "base/Utf8Text.h"

namespace {

bool AllowedInXml(char32_t c)
{
    if (c < 0x20) return c == 0x09 || c == 0x0A || c == 0x0D;
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

bool IsXmlSafeText(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        if (lead >= 0x20 && lead < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t c = NextCodePoint(text, pos);
        if (!AllowedInXml(c)) return false;
        if (c == 0xFFFD && text.substr(start, pos - start) != "\xEF\xBF\xBD") return false;
    }
    return true;
}

std::string XmlSafeText(std::string_view text)
{
    if (IsXmlSafeText(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = NextCodePoint(text, pos);
        if (AllowedInXml(c)) AppendUtf8(out, c);
    }
    return out;
}
