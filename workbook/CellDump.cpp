#include "workbook/CellDump.h"

#include "base/ShownText.h"

#include <string_view>

namespace {

// The four escapes of the corpus form; nullptr for any other character.
const char* CorpusEscape(char c)
{
    switch (c) {
    case '\\': return "\\\\";
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\r': return "\\r";
    default: return nullptr;
    }
}

// The text in the corpus form; any other control character as ShownText
// writes it.
void WriteEscaped(std::ostream& out, std::string_view text)
{
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* escape = CorpusEscape(text[i]);
        if (!escape) continue;
        out << ShownText(text.substr(plain, i - plain)) << escape;
        plain = i + 1;
    }
    out << ShownText(text.substr(plain));
}

} // namespace

void DumpCells(SheetRows& rows, std::ostream& out, std::size_t& written)
{
    while (const SheetRow* row = rows.Next()) {
        row->ForEachCell([&](int column, std::string_view text) {
            out << row->Number() << '\t' << column << '\t';
            WriteEscaped(out, text);
            out << '\n';
            ++written;
        });
    }
}
