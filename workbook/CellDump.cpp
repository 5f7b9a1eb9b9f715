#include "workbook/CellDump.h"

#include <string>

namespace {

void WriteEscaped(std::ostream& out, const std::string& text)
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

void DumpCells(const Workbook& workbook, std::ostream& out)
{
    workbook.ForEachCell([&out](int row, int column, const std::string& text) {
        out << row << '\t' << column << '\t';
        WriteEscaped(out, text);
        out << '\n';
    });
}
