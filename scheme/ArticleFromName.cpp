#include "scheme/ArticleFromName.h"

#include "base/Utf8Text.h"
#include "scheme/SupplierHeader.h"

#include <cstdint>

namespace {

constexpr std::uint64_t kFnvOffsetBasis = 0xcbf29ce484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The name as it is hashed.
std::string HashedForm(std::string_view name)
{
    std::string form;
    bool blank = false;
    for (const char c : LowerCase(Trim(name))) {
        if (IsBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && !form.empty()) form += ' ';
        blank = false;
        form += c;
    }
    std::string::size_type at = 0;
    while ((at = form.find("ё", at)) != std::string::npos) form.replace(at, 2, "е");
    return form;
}

} // namespace

bool IsReservedColumn(std::string_view name)
{
    return name == kFromNameColumn || name == kGroupColumn;
}

std::string ArticleFromName(std::string_view name)
{
    const std::string form = HashedForm(name);
    if (form.empty()) return {};
    std::uint64_t hash = kFnvOffsetBasis;
    for (const char c : form) {
        hash ^= static_cast<unsigned char>(c);
        hash *= kFnvPrime;
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string article = "Н";
    for (int shift = 60; shift >= 0; shift -= 4) article += kDigits[(hash >> shift) & 0xF];
    return article;
}
