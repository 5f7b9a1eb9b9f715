#include "base/OpenedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStamp StampOfStat(const struct stat& st)
{
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return StampOfStat(st);
}

OpenedFile::Opening OpenedFile::Open(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {errno == ENOENT ? Outcome::Missing : Outcome::Unreadable, errno == ENOENT ? 0 : errno, nullptr};
    if (S_ISDIR(st.st_mode)) return {Outcome::Folder, 0, nullptr};
    if (!S_ISREG(st.st_mode)) return {Outcome::NotRegular, 0, nullptr};
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {errno == ENOENT ? Outcome::Missing : Outcome::Unreadable, errno == ENOENT ? 0 : errno, nullptr};
    if (::fstat(descriptor, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(descriptor);
        return {Outcome::NotRegular, 0, nullptr};
    }
    return {Outcome::Opened, 0, std::shared_ptr<const OpenedFile>(new OpenedFile(descriptor, StampOfStat(st)))};
}

OpenedFile::~OpenedFile()
{
    ::close(descriptor_);
}

long long OpenedFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t size) const
{
    for (;;) {
        const ssize_t got = ::pread(descriptor_, buffer, size, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR) return got;
    }
}

std::optional<std::string> OpenedFile::ReadAll() const
{
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const long long got = ReadAt(bytes.size(), buffer, sizeof buffer);
        if (got < 0) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}
