#include "base/FilePlace.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows before giving up (ELOOP).
constexpr int kMaxLinkHops = 40;

// The longest file name (in bytes) of the usual file systems.
constexpr long kUsualNameMax = 255;

std::optional<std::string> ReadLink(const std::string& path)
{
    std::string target(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return std::nullopt;
        if (static_cast<std::size_t>(n) < target.size()) {
            target.resize(static_cast<std::size_t>(n));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

} // namespace

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

std::string LinkTargetPath(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        const std::optional<std::string> target = ReadLink(current);
        if (!target || target->empty()) return current;
        current = target->front() == '/' ? *target : FolderOf(current) + "/" + *target;
    }
    return current;
}

FileKind KindOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileKind::Missing;
    if (S_ISREG(st.st_mode)) return FileKind::Regular;
    if (S_ISDIR(st.st_mode)) return FileKind::Folder;
    return FileKind::Special;
}

bool NameFitsItsFolder(const std::string& path)
{
    // A folder that is not there (yet) is told of when the file is written.
    const long most = ::pathconf(FolderOf(path).c_str(), _PC_NAME_MAX);
    return NameOf(path).size() <= static_cast<std::size_t>(most > 0 ? most : kUsualNameMax);
}

bool IsMissing(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

std::size_t FileIdentityHash::operator()(const FileIdentity& identity) const
{
    return std::hash<unsigned long long>()(identity.inode) ^ (std::hash<unsigned long long>()(identity.device) << 1)
           ^ std::hash<std::string>()(identity.name);
}

std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return FileIdentity{st.st_dev, st.st_ino, {}};
    const std::string target = LinkTargetPath(path);
    if (::stat(FolderOf(target).c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino, NameOf(target)};
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    if (first.empty() || second.empty()) return false;
    const std::optional<FileIdentity> a = IdentityOf(first);
    return a && a == IdentityOf(second);
}

std::string AbsolutePath(const std::string& path)
{
    if (path.starts_with('/')) return path;
    std::string folder(256, '\0');
    while (!::getcwd(folder.data(), folder.size())) {
        if (errno != ERANGE) return path;
        folder.resize(folder.size() * 2);
    }
    folder.resize(std::char_traits<char>::length(folder.c_str()));
    return folder + (folder.ends_with('/') ? "" : "/") + path;
}
