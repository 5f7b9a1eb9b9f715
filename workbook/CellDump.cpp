#include "workbook/CellDump.h"

#include <string_view>

namespace {

void WriteEscaped(std::ostream& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '\\': out << "\\\\"; break;
        case '\t': out << "\\t"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        default: out << c; break;
        }
    }
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
