#include "workbook/AttributeCounter.h"

#include <algorithm>

void AttributeCounter::Feed(std::string_view bytes)
{
    for (const char c : bytes) {
        switch (state_) {
        case State::Text:
            if (c == '<') state_ = State::TagStart;
            break;
        case State::TagStart:
            // "<!--", "<![CDATA[", "<!DOCTYPE", "<?xml": no attributes to count.
            state_ = (c == '!' || c == '?') ? State::Other : State::InTag;
            count_ = 0;
            break;
        case State::InTag:
            if (c == '>') {
                state_ = State::Text;
            } else if (c == '"' || c == '\'') {
                quote_ = c;
                state_ = State::InQuote;
            } else if (c == '=') {
                most_ = std::max(most_, ++count_);
            }
            break;
        case State::InQuote:
            if (c == quote_) state_ = State::InTag;
            break;
        case State::Other:
            if (c == '>') state_ = State::Text;
            break;
        }
    }
}
