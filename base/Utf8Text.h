#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text inside the program is UTF-8; one character is one Unicode code point.

// Number of code points (an invalid byte counts as one character).
std::size_t Utf8Length(std::string_view text);

// The first `count` characters of the text.
std::string Utf8Left(std::string_view text, std::size_t count);

// Removes leading and trailing characters whose code is 32 or less.
std::string Trim(std::string_view text);

// Lower case over Latin and Cyrillic letters (everything windows-1251 holds);
// other characters stay as they are.
std::string LowerCase(std::string_view text);

// Equality without regard to the case of Latin and Cyrillic letters.
bool SameTextIgnoreCase(std::string_view a, std::string_view b);

// Replaces invalid UTF-8 sequences by U+FFFD.
std::string ValidUtf8(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Decodes the code point at `pos` and advances `pos`; an invalid byte gives
// U+FFFD and advances by one.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);
