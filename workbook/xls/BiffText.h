#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Texts of a BIFF stream: UTF-16 in BIFF8, an 8-bit code page in BIFF5.

// A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Decodes 8-bit text of the given iconv charset; plain ASCII is taken as it is.
std::string DecodeByteText(std::string_view bytes, const char* charset);

// The iconv charset of a CODEPAGE record's value; nullptr for one the reader
// does not know (then the fonts decide).
const char* CharsetOfCodePage(std::uint16_t codePage);

// The iconv charset of a FONT record's character set; nullptr when the
// character set names no code page (default, symbol, OEM).
const char* CharsetOfFontCharset(std::uint8_t charset);

// What BIFF5 texts are read as when neither the CODEPAGE record nor the fonts
// say: the users' own code page.
inline constexpr char kFallbackCharset[] = "CP1251";
