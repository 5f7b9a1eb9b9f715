#pragma once

#include <string>
#include <string_view>

// The text as an XML 1.0 document may hold it: invalid UTF-8 becomes U+FFFD,
// and control characters other than tab, line feed and carriage return (and
// U+FFFE, U+FFFF) are left out, so that every saved file is well-formed.
std::string XmlSafeText(std::string_view text);

// True when the text needs no such change: valid UTF-8 made of characters XML
// allows, the common case.
bool IsXmlSafeText(std::string_view text);
