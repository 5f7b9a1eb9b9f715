#include "xml/Cp1251Markup.h"

#include "base/Cp1251.h"
#include "base/Utf8Text.h"

namespace {

const char* EntityFor(unsigned char c)
{
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '\r': return "&#13;";
    default: return nullptr;
    }
}

void AppendReference(std::string& out, char32_t cp)
{
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(cp));
    out += ';';
}

} // namespace

void AppendCp1251(std::string& out, std::string_view text, bool escape)
{
    // ASCII runs are copied whole.
    const char* data = text.data();
    const std::size_t size = text.size();
    std::size_t run = 0;
    std::size_t pos = 0;
    while (pos < size) {
        const auto c = static_cast<unsigned char>(data[pos]);
        if (c < 0x80) {
            const char* entity = escape ? EntityFor(c) : nullptr;
            if (!entity) {
                ++pos;
                continue;
            }
            out.append(data + run, pos - run);
            out += entity;
            run = ++pos;
            continue;
        }
        if (pos > run) out.append(data + run, pos - run);
        // А..я, most of a Russian text, are two bytes led by D0 or D1 and one
        // run of the code page (C0..FF): no table needed.
        if ((c == 0xD0 || c == 0xD1) && pos + 1 < size) {
            const auto next = static_cast<unsigned char>(data[pos + 1]);
            const char32_t letter = (static_cast<char32_t>(c & 0x1F) << 6) | (next & 0x3F);
            if ((next & 0xC0) == 0x80 && letter >= 0x0410 && letter <= 0x044F) {
                out += static_cast<char>(letter - 0x0410 + 0xC0);
                run = pos += 2;
                continue;
            }
        }
        const char32_t cp = NextCodePoint(text, pos);
        if (const auto byte = Cp1251Byte(cp)) out += static_cast<char>(*byte);
        else AppendReference(out, cp);
        run = pos;
    }
    out.append(data + run, pos - run);
}

void AppendEscapedUtf8(std::string& out, std::string_view text)
{
    std::size_t run = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char* entity = EntityFor(static_cast<unsigned char>(text[pos]));
        if (!entity) continue;
        out.append(text.data() + run, pos - run);
        out += entity;
        run = pos + 1;
    }
    out.append(text.data() + run, text.size() - run);
}
