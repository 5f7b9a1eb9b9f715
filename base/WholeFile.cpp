#include "base/WholeFile.h"

#include "base/AtomicFile.h"
#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

std::optional<std::string> TryReadWholeFile(const std::string& path)
{
    // POSIX calls rather than a stream: a folder must fail here (EISDIR),
    // not read as an empty file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
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
            errno = error;
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::string ReadWholeFile(const std::string& path)
{
    if (auto bytes = TryReadWholeFile(path))
        return std::move(*bytes);
    const int error = errno;
    if (error == ENOENT)
        throw QuarnelError(FormatMessage(QRNConsts::sFileNotFound, {path}));
    throw QuarnelError(FormatMessage(QRNConsts::sFileNotReadable, {path, DescribeSystemError(error)}));
}
