#include "workbook/xlsx/OoxmlEscapes.h"

#include "base/Utf8Text.h"

#include <optional>

namespace {

constexpr std::size_t kEscapeLength = 7; // _xHHHH_

// The code unit of an escape at `pos`, if one starts there.
std::optional<char32_t> EscapeAt(std::string_view text, std::size_t pos)
{
    if (pos + kEscapeLength > text.size() || text[pos] != '_' || (text[pos + 1] != 'x' && text[pos + 1] != 'X')
        || text[pos + 6] != '_')
        return std::nullopt;
    char32_t unit = 0;
    for (std::size_t i = pos + 2; i < pos + 6; ++i) {
        const char c = text[i];
        unit <<= 4;
        if (c >= '0' && c <= '9') unit |= static_cast<char32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') unit |= static_cast<char32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') unit |= static_cast<char32_t>(c - 'A' + 10);
        else return std::nullopt;
    }
    return unit;
}

bool IsHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::string DecodeOoxmlEscapes(std::string_view text)
{
    if (text.find('_') == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto unit = EscapeAt(text, pos);
        if (!unit) {
            out += text[pos++];
            continue;
        }
        pos += kEscapeLength;
        if (IsHighSurrogate(*unit)) {
            const auto low = EscapeAt(text, pos);
            if (low && IsLowSurrogate(*low)) {
                pos += kEscapeLength;
                AppendUtf8(out, 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00));
                continue;
            }
            AppendUtf8(out, U'\uFFFD');
        } else if (IsLowSurrogate(*unit)) {
            AppendUtf8(out, U'\uFFFD');
        } else {
            AppendUtf8(out, *unit);
        }
    }
    return out;
}
