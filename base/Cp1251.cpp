#include "base/Cp1251.h"

#include "base/QuarnelError.h"
#include "base/Utf8Text.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw QuarnelError(std::string("Неизвестная кодировка ") + from);
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
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

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
    const std::string valid = ValidUtf8(text);
    std::string_view in = valid;
    Converter converter("CP1251", "UTF-8");
    std::string out;
    out.reserve(in.size());
    if (!converter.Convert(in, out))
        return std::nullopt;
    return out;
}

std::string DecodeEdgeFile(std::string_view bytes)
{
    if (bytes.substr(0, kBom.size()) == kBom)
        return ValidUtf8(bytes.substr(kBom.size()));
    return Cp1251ToUtf8(bytes);
}

std::string EncodeEdgeFile(std::string_view text)
{
    if (auto encoded = Utf8ToCp1251(text))
        return *encoded;
    return std::string(kBom) + ValidUtf8(text);
}
