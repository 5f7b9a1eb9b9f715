#include "scheme/SchemeFile.h"

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "base/WholeFile.h"
#include "catalogue/QRNConsts.h"

#include <sys/stat.h>

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

[[noreturn]] void RefuseTooLarge(const std::string& path)
{
    throw QuarnelError(
        FormatMessage(QRNConsts::sSchemeFileTooLarge, {path, std::to_string(kMaxSchemeFileBytes / 1024)}));
}

} // namespace

SchemeLines ReadSchemeFile(const std::string& path)
{
    // Asked before reading, so that a huge file is never read whole.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)
        && static_cast<std::size_t>(st.st_size) > kMaxSchemeFileBytes)
        RefuseTooLarge(path);
    std::string bytes = ReadWholeFile(path);
    if (bytes.size() > kMaxSchemeFileBytes)  // it grew in between
        RefuseTooLarge(path);
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
