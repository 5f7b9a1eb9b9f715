#include "base/WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

WholeFile Unreadable(int error)
{
    WholeFile file;
    file.outcome = WholeFile::Outcome::Unreadable;
    file.error = error;
    return file;
}

WholeFile Refused(WholeFile::Outcome outcome)
{
    WholeFile file;
    file.outcome = outcome;
    return file;
}

// With `startOnly` the first maxBytes of a larger file are read, and it
// counts as read.
WholeFile ReadRegular(const std::string& path, std::size_t maxBytes, bool startOnly)
{
    // Asked before opening: opening a device may already do something.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? Refused(WholeFile::Outcome::Missing) : Unreadable(errno);
    if (S_ISDIR(st.st_mode)) return Unreadable(EISDIR);
    if (!S_ISREG(st.st_mode)) return Refused(WholeFile::Outcome::NotRegular);
    if (!startOnly && static_cast<std::size_t>(st.st_size) > maxBytes) return Refused(WholeFile::Outcome::TooLarge);

    // Non-blocking, and checked again once open, in case a FIFO took the
    // file's place in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? Refused(WholeFile::Outcome::Missing) : Unreadable(errno);
    WholeFile file;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refused(WholeFile::Outcome::NotRegular);
    }
    char buffer[1 << 16];
    for (;;) {
        const std::size_t room = startOnly ? std::min(sizeof buffer, maxBytes - file.bytes.size()) : sizeof buffer;
        if (room == 0) break;
        const ssize_t n = ::read(fd, buffer, room);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            return Unreadable(error);
        }
        file.bytes.append(buffer, static_cast<std::size_t>(n));
        if (file.bytes.size() > maxBytes) { // it grew since it was asked
            ::close(fd);
            return Refused(WholeFile::Outcome::TooLarge);
        }
    }
    ::close(fd);
    file.outcome = WholeFile::Outcome::Read;
    return file;
}

} // namespace

WholeFile ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    return ReadRegular(path, maxBytes, false);
}

WholeFile ReadRegularFileStart(const std::string& path, std::size_t maxBytes)
{
    return ReadRegular(path, maxBytes, true);
}

FileFault WholeFile::Fault(const std::string& path, std::size_t maxBytes) const
{
    switch (outcome) {
    case Outcome::NotRegular: return FileFault(FileFault::Action::Read, path, FileFault::Reason::NotRegularFile);
    case Outcome::TooLarge: return FileFault(FileFault::Action::Read, path, FileFault::Reason::TooLarge, 0, maxBytes);
    case Outcome::Missing: return FileFault(FileFault::Action::Read, path, FileFault::Reason::SystemError, ENOENT);
    case Outcome::Read:
    case Outcome::Unreadable: break;
    }
    return FileFault(FileFault::Action::Read, path, FileFault::Reason::SystemError, error);
}
