#pragma once

#include <cstddef>
#include <string_view>

// Counts the attributes of each start tag in XML bytes as they are fed, ahead
// of the parser: libxml2 compares every attribute of an element with every
// other before any callback, so an element with hundreds of thousands of
// attributes takes minutes before a handler could count them. Counts the "="
// outside quotes between "<" and ">" of tags that are not comments,
// declarations or processing instructions; a tag may span chunks.
class AttributeCounter {
public:
    // The largest count of any tag completed or begun so far.
    void Feed(std::string_view bytes);
    std::size_t Most() const { return most_; }

private:
    enum class State { Text, TagStart, InTag, InQuote, Other };
    State state_ = State::Text;
    char quote_ = 0;
    std::size_t count_ = 0;
    std::size_t most_ = 0;
};
