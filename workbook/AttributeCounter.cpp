#include "workbook/AttributeCounter.h"

#include <algorithm>
#include <cstring>

namespace {

// Where `c` next occurs from `at` on, or the end: text, quoted values and
// comments are skipped with memchr, which sees many bytes at once.
std::size_t Skip(std::string_view bytes, std::size_t at, char c)
{
    const void* found = std::memchr(bytes.data() + at, c, bytes.size() - at);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data()) : bytes.size();
}

} // namespace

void AttributeCounter::Feed(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        switch (state_) {
        case State::Text:
            i = Skip(bytes, i, '<');
            if (i < bytes.size()) state_ = State::TagStart;
            break;
        case State::TagStart:
            // "<!--", "<![CDATA[", "<!DOCTYPE", "<?xml": no attributes to count.
            state_ = (bytes[i] == '!' || bytes[i] == '?') ? State::Other : State::InTag;
            count_ = 0;
            break;
        case State::InTag: {
            const char c = bytes[i];
            if (c == '>') {
                state_ = State::Text;
            } else if (c == '"' || c == '\'') {
                quote_ = c;
                state_ = State::InQuote;
            } else if (c == '=') {
                most_ = std::max(most_, ++count_);
            }
            break;
        }
        case State::InQuote:
            i = Skip(bytes, i, quote_);
            if (i < bytes.size()) state_ = State::InTag;
            break;
        case State::Other:
            i = Skip(bytes, i, '>');
            if (i < bytes.size()) state_ = State::Text;
            break;
        }
    }
}
