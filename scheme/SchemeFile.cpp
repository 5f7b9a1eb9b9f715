#include "scheme/SchemeFile.h"

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void RefuseRead(const std::string& path, int error)
{
    if (error == ENOENT)
        throw QuarnelError(FormatMessage(QRNConsts::sFileNotFound, {path}));
    throw QuarnelError(FormatMessage(QRNConsts::sFileNotReadable, {path, DescribeSystemError(error)}));
}

std::string ReadBytes(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RefuseRead(path, errno);
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            RefuseRead(path, error);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

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
    std::string bytes = ReadBytes(path);
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
