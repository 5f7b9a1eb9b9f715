#include "base/Cp1251.h"

#include "base/CharsetFault.h"
#include "base/Utf8Text.h"

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>
#include <iconv.h>

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw CharsetFault(from);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns false at the first sequence the
    // target cannot hold (or the source does not define), leaving `in`
    // pointing at it.
    bool Convert(std::string_view& in, std::string& out)
    {
        char buffer[4096];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst - buffer);
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

// Code point -> byte for the upper half of the code page, sorted by code
// point; read off iconv's own table once.
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

} // namespace

std::optional<unsigned char> Cp1251Byte(char32_t cp)
{
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    // А..я, most of a Russian text, lie in one run of the code page.
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(cp - 0x0410 + 0xC0);
    const auto& table = UpperHalf();
    const auto found = std::lower_bound(table.begin(), table.end(), std::make_pair(cp, static_cast<unsigned char>(0)));
    if (found == table.end() || found->first != cp) return std::nullopt;
    return found->second;
}

std::string DecodeToUtf8(std::string_view bytes, const char* charset)
{
    Converter converter("UTF-8", charset);
    std::string out;
    out.reserve(bytes.size() * 2);
    while (!converter.Convert(bytes, out)) {
        AppendUtf8(out, 0xFFFD);
        bytes.remove_prefix(1);
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view bytes)
{
    return DecodeToUtf8(bytes, "CP1251");
}

std::optional<std::string> Utf8ToCp1251(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto byte = Cp1251Byte(NextCodePoint(text, pos));
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string DecodeEdgeFile(std::string_view bytes)
{
    if (bytes.starts_with(kBom)) return ValidUtf8(bytes.substr(kBom.size()));
    // Notepad's "Unicode" and "Unicode big endian".
    if (bytes.starts_with("\xFF\xFE")) return DecodeToUtf8(bytes.substr(2), "UTF-16LE");
    if (bytes.starts_with("\xFE\xFF")) return DecodeToUtf8(bytes.substr(2), "UTF-16BE");
    // Editors save UTF-8 without a mark. Text in windows-1251 beyond ASCII is
    // almost never valid UTF-8: a capital letter and a small one (0xC0-0xDF
    // and 0xE0-0xFF) would have to alternate with the rare 0x80-0xBF bytes.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii && ValidUtf8(bytes) == bytes) return std::string(bytes);
    return Cp1251ToUtf8(bytes);
}

int FirstNulLine(std::string_view text)
{
    const auto nul = text.find('\0');
    if (nul == std::string_view::npos) return 0;
    int line = 1;
    for (std::size_t i = 0; i < nul; ++i) {
        if (text[i] == '\r' && i + 1 < nul && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') ++line;
    }
    return line;
}

std::string EncodeEdgeFile(std::string_view text)
{
    // Unless its windows-1251 bytes would read as something else ("РЎ" as
    // the UTF-8 of "С", "яю" first as a UTF-16 mark).
    if (auto encoded = Utf8ToCp1251(text); encoded && DecodeEdgeFile(*encoded) == text) return *encoded;
    return std::string(kBom) + ValidUtf8(text);
}
