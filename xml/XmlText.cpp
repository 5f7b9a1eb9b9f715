#include "xml/XmlText.h"

#include "base/Utf8Text.h"

namespace {

bool AllowedInXml(char32_t c)
{
    if (c < 0x20) return c == 0x09 || c == 0x0A || c == 0x0D;
    return c != 0xFFFE && c != 0xFFFF;
}

bool IsPlainAscii(std::string_view text)
{
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 || (c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D)) return false;
    }
    return true;
}

} // namespace

std::string XmlSafeText(std::string_view text)
{
    if (IsPlainAscii(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = NextCodePoint(text, pos);
        if (AllowedInXml(c)) AppendUtf8(out, c);
    }
    return out;
}
