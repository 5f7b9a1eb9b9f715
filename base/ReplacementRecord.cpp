#include "base/ReplacementRecord.h"

#include "base/FileFault.h"
#include "base/FilePlace.h"
#include "base/TemporaryFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The list is ".quarnel-replace-PID-XXXXXX" once published; while it is
// written, ".quarnel-replace.tmp-PID-XXXXXX", which the sweep of temporary
// files removes when its process is gone.
constexpr std::string_view kPublishedPrefix = ".quarnel-replace-";
constexpr std::string_view kWrittenPrefix = ".quarnel-replace.tmp-";
constexpr std::string_view kHeader = "quarnel-replace 1\n";
constexpr std::string_view kFooter = "end\n";

int WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[1 << 14];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return text;
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

// The entries of a whole list; none for one cut short.
std::vector<ReplacementRecord::Entry> ParseList(const std::string& text)
{
    if (!text.starts_with(kHeader) || !text.ends_with(kFooter)) return {};
    std::vector<std::string> names;
    const std::size_t end = text.size() - kFooter.size();
    for (std::size_t at = kHeader.size(); at < end;) {
        const std::size_t nul = text.find('\0', at);
        if (nul == std::string::npos || nul >= end) return {};
        names.push_back(text.substr(at, nul - at));
        at = nul + 1;
    }
    if (names.size() % 2 != 0) return {};
    std::vector<ReplacementRecord::Entry> entries;
    for (std::size_t i = 0; i < names.size(); i += 2) entries.push_back({names[i], names[i + 1]});
    return entries;
}

// A temporary file of ours beside its target (".quarnel.tmp-PID-XXXXXX",
// or ".NAME.tmp-PID-XXXXXX" as earlier versions named them), made by this
// user: nothing else is ever renamed by a list found on disk.
bool MayComplete(const ReplacementRecord::Entry& entry)
{
    const std::string name = NameOf(entry.temporary);
    const bool ours = name.starts_with(".quarnel.tmp-") || name.starts_with("." + NameOf(entry.target) + ".tmp-");
    if (!entry.target.starts_with('/') || FolderOf(entry.temporary) != FolderOf(entry.target) || !ours) return false;
    struct stat st {};
    return ::lstat(entry.temporary.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

int SyncFolder(const std::string& folder, bool wholeFileSystem)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int synced = wholeFileSystem ? ::syncfs(fd) : ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems sync no folder; their names are then as safe as
    // they get.
    return synced == 0 || error == EINVAL ? 0 : error;
}

void CompleteList(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    // Held by a run still going, or removed by it since the folder was read.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0 || st.st_uid != ::geteuid()
        || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    std::vector<std::string> folders;
    for (const ReplacementRecord::Entry& entry : ParseList(ReadAll(fd))) {
        if (!MayComplete(entry) || ::rename(entry.temporary.c_str(), entry.target.c_str()) != 0) continue;
        folders.push_back(FolderOf(entry.target));
    }
    // The list goes only once the names it made are on disk.
    if (SyncFolders(folders, false) == 0) ::unlink(path.c_str());
    ::close(fd);
}

} // namespace

ReplacementRecord::ReplacementRecord(const std::string& folder, const std::vector<Entry>& entries,
                                     const std::string& shownAs)
    : shownAs_(shownAs)
{
    std::string pattern =
        AbsolutePath(folder) + "/" + std::string(kWrittenPrefix) + std::to_string(::getpid()) + "-XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) Fail(errno);
    path_ = pattern;
    registered_ = TemporaryFiles::Register(path_);
    if (::flock(fd_, LOCK_EX) != 0) Fail(errno);
    std::string text(kHeader);
    for (const Entry& entry : entries) {
        text += AbsolutePath(entry.temporary);
        text += '\0';
        text += AbsolutePath(entry.target);
        text += '\0';
    }
    text += kFooter;
    if (const int error = WriteAll(fd_, text)) Fail(error);
    if (::fsync(fd_) != 0) Fail(errno);
}

ReplacementRecord::~ReplacementRecord()
{
    if (!path_.empty()) ::unlink(path_.c_str());
    TemporaryFiles::Unregister(registered_);
    // The lock goes with the descriptor, after the list is gone.
    if (fd_ >= 0) ::close(fd_);
}

void ReplacementRecord::Fail(int error)
{
    if (!path_.empty()) ::unlink(path_.c_str());
    path_.clear();
    TemporaryFiles::Unregister(registered_);
    registered_ = nullptr;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    throw FileFault(FileFault::Action::Write, shownAs_, FileFault::Reason::SystemError, error);
}

void ReplacementRecord::Publish()
{
    const std::string name = NameOf(path_);
    const std::string published =
        FolderOf(path_) + "/" + std::string(kPublishedPrefix) + name.substr(kWrittenPrefix.size());
    if (::rename(path_.c_str(), published.c_str()) != 0) Fail(errno);
    path_ = published;
    TemporaryFiles::Unregister(registered_);
    registered_ = nullptr;
    if (const int error = SyncFolders({FolderOf(path_)}, false)) Fail(error);
}

void CompleteAbandonedReplacements(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> lists;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.starts_with(kPublishedPrefix)) lists.push_back(AbsolutePath(folder + "/" + std::string(name)));
    }
    ::closedir(dir);
    for (const std::string& list : lists) CompleteList(list);
}

int SyncFolders(const std::vector<std::string>& folders, bool wholeFileSystems)
{
    std::vector<std::string> synced;
    for (const std::string& folder : folders) {
        if (std::find(synced.begin(), synced.end(), folder) != synced.end()) continue;
        synced.push_back(folder);
        if (const int error = SyncFolder(folder, wholeFileSystems)) return error;
    }
    return 0;
}
