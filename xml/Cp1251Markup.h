#pragma once

#include <string>
#include <string_view>

// Appends UTF-8 text in windows-1251; a character the code page has not
// becomes a numeric character reference. With `escape` (element texts), "&",
// "<", ">" and CR become references too, so that the text reads back as
// written.
void AppendCp1251(std::string& out, std::string_view text, bool escape);

// Appends element text kept in UTF-8 with the same escapes.
void AppendEscapedUtf8(std::string& out, std::string_view text);
