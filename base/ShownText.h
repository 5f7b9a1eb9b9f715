#pragma once

#include <string>
#include <string_view>

// Text from a file as the program shows it on a terminal, in its log and in
// its window: every control character (C0 with tab and line feed, DEL, C1)
// and every byte that is no UTF-8 appears as \xHH, and every mark or override
// of the writing direction (U+200E, U+200F, U+202A-U+202E, U+2066-U+2069) as
// \uHHHH, so that a crafted cell or sheet name can neither move the cursor of
// whoever inspects the file, break a line of the log, nor show a file name
// reordered ("xlsx.exe" as "exe.xlsx"). The XML and the scheme files keep the text as it
// is.
std::string ShownText(std::string_view text);

// Appends "\xHH" for the code (below 0x100).
void AppendHexEscape(std::string& out, unsigned code);
