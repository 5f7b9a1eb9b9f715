#include "scheme/SchemeFile.h"

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "base/WholeFile.h"
#include "catalogue/QRNConsts.h"


namespace {

SchemeLines SplitLines(std::string_view text)
{
    SchemeLines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

} // namespace

SchemeLines ReadSchemeFile(const std::string& path)
{
    std::string bytes = ReadWholeFile(path);
    if (const auto nul = bytes.find('\0'); nul != std::string::npos)
        bytes.resize(nul);
    return SplitLines(DecodeEdgeFile(bytes));
}

void WriteSchemeFile(const std::string& path, const SchemeLines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    AtomicFile file(path);
    file.Write(EncodeEdgeFile(text));
    file.Commit();
}
