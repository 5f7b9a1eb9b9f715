#pragma once

#include <optional>
#include <string>
#include <string_view>

// windows-1251 exists only at the edges of the program: scheme and settings
// files, and the saved XML (whose writer encodes character by character).

// Decodes bytes of the given iconv charset ("CP1251", "CP1252", ...) to UTF-8.
// A byte the charset does not define becomes U+FFFD; a charset iconv does not
// know raises CharsetFault.
std::string DecodeToUtf8(std::string_view bytes, const char* charset);

std::string Cp1251ToUtf8(std::string_view bytes);

// The windows-1251 byte of a character; nullopt when the code page has none.
std::optional<unsigned char> Cp1251Byte(char32_t codePoint);

// Encodes UTF-8 text as windows-1251; nullopt when a character has no
// windows-1251 form (the caller then keeps the text as UTF-8).
std::optional<std::string> Utf8ToCp1251(std::string_view text);

// Reads the bytes of a scheme or settings file: UTF-8 or UTF-16 when they
// start with its byte-order mark (which is dropped), UTF-8 when they are
// valid UTF-8 and not all ASCII, windows-1251 otherwise.
std::string DecodeEdgeFile(std::string_view bytes);

// The line (from 1; CR LF, a lone CR and a lone LF end a line) of the first
// NUL character of a scheme's or settings' text, 0 when it has none. No line
// of either holds one: a file with a NUL is damaged or no such file.
int FirstNulLine(std::string_view text);

// The bytes to store for a scheme or settings file: windows-1251 when every
// character fits and DecodeEdgeFile reads the bytes back as the text,
// otherwise UTF-8 with a byte-order mark.
std::string EncodeEdgeFile(std::string_view text);
