#include "xml/Cp1251Encoder.h"

#include "base/Cp1251.h"
#include "base/Utf8Text.h"

#include <libxml/encoding.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// Unicode code point -> windows-1251 byte for the upper half, sorted by code
// point; taken from iconv's own table once.
const std::vector<std::pair<char32_t, unsigned char>>& UpperHalf()
{
    static const auto table = [] {
        std::vector<std::pair<char32_t, unsigned char>> entries;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const std::string utf8 = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
            std::size_t pos = 0;
            const char32_t cp = NextCodePoint(utf8, pos);
            if (cp != 0xFFFD) entries.emplace_back(cp, static_cast<unsigned char>(byte));
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    return table;
}

int EncodeUtf8ToCp1251(unsigned char* out, int* outlen, const unsigned char* in, int* inlen)
{
    if (!out || !outlen || !inlen) return -1;
    if (!in) {
        *outlen = 0;
        *inlen = 0;
        return 0;
    }
    const auto& table = UpperHalf();
    const std::string_view input(reinterpret_cast<const char*>(in), static_cast<std::size_t>(*inlen));
    const int room = *outlen;
    int written = 0;
    std::size_t pos = 0;
    while (pos < input.size() && written < room) {
        const unsigned char lead = in[pos];
        if (lead < 0x80) {
            out[written++] = lead;
            ++pos;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (pos + length > input.size()) break;  // the rest comes with the next call
        std::size_t next = pos;
        const char32_t cp = NextCodePoint(input, next);
        // А..я, most of a Russian text, lie in one run of the code page.
        if (cp >= 0x0410 && cp <= 0x044F) {
            out[written++] = static_cast<unsigned char>(cp - 0x0410 + 0xC0);
            pos = next;
            continue;
        }
        const auto found = std::lower_bound(table.begin(), table.end(), std::make_pair(cp, static_cast<unsigned char>(0)));
        if (found == table.end() || found->first != cp) {
            *outlen = written;
            *inlen = static_cast<int>(pos);
            return -2;
        }
        out[written++] = found->second;
        pos = next;
    }
    *outlen = written;
    *inlen = static_cast<int>(pos);
    return written;
}

} // namespace

_xmlCharEncodingHandler* Cp1251OutputEncoder()
{
    static xmlCharEncodingHandlerPtr handler =
        xmlNewCharEncodingHandler("quarnel-windows-1251", nullptr, &EncodeUtf8ToCp1251);
    return handler;
}
