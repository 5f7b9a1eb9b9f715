#include "base/AtomicFile.h"

#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string DescribeSystemError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QRNConsts::sReasonAccessDenied;
    case ENOENT:
    case ENOTDIR: return QRNConsts::sReasonNoSuchFolder;
    case EISDIR: return QRNConsts::sReasonIsFolder;
    case ENOSPC:
    case EDQUOT: return QRNConsts::sReasonDiskFull;
    case EROFS: return QRNConsts::sReasonReadOnly;
    default: return std::strerror(error);
    }
}

AtomicFile::AtomicFile(std::string targetPath) : target_(std::move(targetPath))
{
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            Fail(EISDIR);
        // A file the user made read-only is not to be replaced, whoever runs us.
        if (S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            Fail(EACCES);
    }
    RemoveStaleTemporaries();
    std::string pattern = TemporaryPrefix() + std::to_string(::getpid()) + "-XXXXXX";
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0)
        Fail(errno);
    temp_ = pattern;
    // mkstemp creates the file for the owner only; give it the usual rights.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
    buffer_.reserve(kBufferSize);
}

std::string AtomicFile::TemporaryPrefix() const
{
    return FolderOf(target_) + "/." + NameOf(target_) + ".tmp-";
}

// A run that was killed leaves its temporary file behind; the next save of the
// same target removes those whose process is gone.
void AtomicFile::RemoveStaleTemporaries() const
{
    const std::string folder = FolderOf(target_);
    const std::string prefix = "." + NameOf(target_) + ".tmp-";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(dir);
}

AtomicFile::~AtomicFile()
{
    Discard();
}

void AtomicFile::Discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

void AtomicFile::Fail(int error)
{
    Discard();
    throw QuarnelError(FormatMessage(QRNConsts::sFileNotWritable, {target_, DescribeSystemError(error)}));
}

void AtomicFile::Write(std::string_view bytes)
{
    if (buffer_.size() + bytes.size() <= kBufferSize) {
        buffer_.append(bytes);
        return;
    }
    auto flush = [this](std::string_view data) {
        while (!data.empty()) {
            const ssize_t n = ::write(fd_, data.data(), data.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                Fail(errno);
            }
            data.remove_prefix(static_cast<std::size_t>(n));
        }
    };
    flush(buffer_);
    buffer_.clear();
    if (bytes.size() >= kBufferSize)
        flush(bytes);
    else
        buffer_.append(bytes);
}

void AtomicFile::Commit()
{
    if (fd_ < 0) return;
    std::string rest;
    rest.swap(buffer_);
    buffer_.reserve(0);
    // Force the remaining bytes out through the unbuffered path.
    while (!rest.empty()) {
        const ssize_t n = ::write(fd_, rest.data(), rest.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        rest.erase(0, static_cast<std::size_t>(n));
    }
    if (::fsync(fd_) != 0)
        Fail(errno);
    if (::close(fd_) != 0) {
        fd_ = -1;
        Fail(errno);
    }
    fd_ = -1;
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        Fail(errno);
    temp_.clear();
}
