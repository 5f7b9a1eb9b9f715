#include "base/MessageFormat.h"

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd')
            && next != args.end()) {
            out.append(*next++);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
