#include "base/ShownText.h"

#include "base/Utf8Text.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsControl(char32_t c)
{
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

// The marks, embeddings, overrides and isolates that reorder the text around
// them: a file name with one can show its extension in the middle.
bool IsBidiControl(char32_t c)
{
    return c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void AppendCodePointEscape(std::string& out, char32_t c)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(c >> shift) & 0xF];
}

} // namespace

void AppendHexEscape(std::string& out, unsigned code)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[(code >> 4) & 0xF];
    out += kDigits[code & 0xF];
}

std::string ShownText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    // The text between escapes is copied a stretch at a time.
    std::size_t plain = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = NextCodePoint(text, pos);
        const bool broken = c == 0xFFFD && text.substr(start, kReplacement.size()) != kReplacement;
        if (!broken && !IsControl(c) && !IsBidiControl(c)) continue;
        out.append(text.substr(plain, start - plain));
        if (IsBidiControl(c)) AppendCodePointEscape(out, c);
        else AppendHexEscape(out, broken ? static_cast<unsigned char>(text[start]) : static_cast<unsigned>(c));
        plain = pos;
    }
    out.append(text.substr(plain));
    return out;
}
