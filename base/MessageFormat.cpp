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

std::string CountedNoun(long long count, std::string_view forms)
{
    const long long lastTwo = (count < 0 ? -count : count) % 100;
    const long long last = lastTwo % 10;
    const int form = lastTwo >= 11 && lastTwo <= 14 ? 2 : last == 1 ? 0 : last >= 2 && last <= 4 ? 1 : 2;
    std::size_t start = 0;
    for (int k = 0; k < form; ++k) start = forms.find('|', start) + 1;
    return std::string(forms.substr(start, forms.find('|', start) - start));
}
