#include "base/AtomicFile.h"

#include "base/FilePlace.h"
#include "base/ReplacementRecord.h"
#include "base/TemporaryFiles.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <csignal>
#include <dirent.h>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

// The unique part of the temporary names this process gives: the process id
// comes before it, so a counter is enough.
std::string NextUniqueSuffix()
{
    static std::atomic<unsigned long> counter{0};
    constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    unsigned long n = counter++;
    std::string suffix(6, '0');
    for (auto it = suffix.rbegin(); it != suffix.rend(); ++it, n /= 36) *it = kDigits[n % 36];
    return suffix;
}

// An unnamed file, opened in the target's folder where the file system
// allows; -1 elsewhere. Naming it later goes through /proc.
int OpenUnnamed(const std::string& folder)
{
#ifdef O_TMPFILE
    if (::access("/proc/self/fd", X_OK) == 0) return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#endif
    (void)folder;
    return -1;
}

bool ChangeOwner(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group) == 0;
}

// The temporary names begin alike for every target, so that the longest name
// a file system allows (255 bytes) can be a target: the name of the target
// in them would make them longer than that.
constexpr std::string_view kTemporaryName = ".quarnel.tmp-";

// The process that made a temporary file of ours, ".quarnel.tmp-PID-XXXXXX"
// (XXXXXX as mkstemp fills it in), or ".NAME.tmp-PID-XXXXXX" for a target
// NAME as earlier versions named them; 0 for any other name.
long TemporaryOwner(const std::string& name)
{
    constexpr std::string_view kMarker = ".tmp-";
    constexpr std::size_t kUnique = 6;
    const auto marker = name.rfind(kMarker);
    if (name.size() < 2 || name[0] != '.' || marker == std::string::npos || marker < 2) return 0;
    const std::size_t digits = marker + kMarker.size();
    const auto dash = name.find('-', digits);
    if (dash == std::string::npos || dash == digits || name.size() != dash + 1 + kUnique) return 0;
    for (std::size_t i = digits; i < dash; ++i)
        if (name[i] < '0' || name[i] > '9') return 0;
    for (std::size_t i = dash + 1; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return 0;
    return std::strtol(name.c_str() + digits, nullptr, 10);
}

} // namespace

AtomicFile::AtomicFile(std::string targetPath, StaleTemporaries stale)
    : target_(std::move(targetPath)), replaced_(LinkTargetPath(target_))
{
    RequireReplaceable();
    if (stale == StaleTemporaries::Remove) RemoveStaleTemporaries();
    fd_ = OpenUnnamed(FolderOf(replaced_));
    if (fd_ < 0) {
        std::string pattern = TemporaryPrefix() + std::to_string(::getpid()) + "-XXXXXX";
        fd_ = ::mkstemp(pattern.data());
        if (fd_ < 0) Fail(errno);
        temp_ = pattern;
        registered_ = TemporaryFiles::Register(temp_);
    }
    TakeRightsOfTarget();
    buffer_.reserve(kBufferSize);
}

void AtomicFile::RequireReplaceable()
{
    struct stat st {};
    // Links that lead round in a loop lead to no file: the rename would put
    // one in place of the last link followed.
    if (::stat(replaced_.c_str(), &st) != 0) {
        if (errno == ELOOP) Fail(ELOOP);
        return;
    }
    if (S_ISDIR(st.st_mode)) Fail(EISDIR);
    // Renaming over a device or a FIFO would put a plain file in its place.
    if (!S_ISREG(st.st_mode)) FailBecause(FileFault::Reason::NotRegularFile);
    // A file the user made read-only is not to be replaced, whoever runs us.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) Fail(EACCES);
    // The rename needs only the folder's permission; the file's own is what
    // says whether the runner may change it. Opening for writing without
    // truncating asks exactly that and changes nothing.
    const int probe = ::open(replaced_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe < 0) Fail(errno);
    ::close(probe);
}

void AtomicFile::TakeRightsOfTarget()
{
    struct stat st {};
    if (::stat(replaced_.c_str(), &st) != 0) {
        // mkstemp creates the file for the owner only; a new file gets the
        // usual rights.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd_, 0666 & ~mask);
        return;
    }
    // Owner and group first: changing them clears the set-id bits, which are
    // not kept anyway.
    if (!ChangeOwner(fd_, st.st_uid, st.st_gid)) ChangeOwner(fd_, static_cast<uid_t>(-1), st.st_gid);
    ::fchmod(fd_, st.st_mode & 0777);
}

std::string AtomicFile::TemporaryPrefix() const
{
    return FolderOf(replaced_) + "/" + std::string(kTemporaryName);
}

// A run that was killed leaves its temporary files behind; a save into their
// folder removes those, of any target, whose process is gone.
void AtomicFile::RemoveStaleTemporaries() const
{
    const std::string folder = FolderOf(replaced_);
    // Files of a killed run that had begun to replace them are put in place
    // first, as its list of them says.
    CompleteAbandonedReplacements(folder);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const long pid = TemporaryOwner(name);
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
    CloseDescriptor();
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    TemporaryFiles::Unregister(registered_);
    registered_ = nullptr;
}

int AtomicFile::CloseDescriptor()
{
    if (fd_ < 0) return 0;
    const int closed = ::close(fd_);
    fd_ = -1;
    return closed == 0 ? 0 : errno;
}

void AtomicFile::Fail(int error)
{
    Discard();
    throw FileFault(FileFault::Action::Write, target_, FileFault::Reason::SystemError, error);
}

void AtomicFile::FailBecause(FileFault::Reason reason)
{
    Discard();
    throw FileFault(FileFault::Action::Write, target_, reason);
}

void AtomicFile::WriteOut(std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd_, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

void AtomicFile::Write(std::string_view bytes)
{
    if (buffer_.size() + bytes.size() <= kBufferSize) {
        buffer_.append(bytes);
        return;
    }
    WriteOut(buffer_);
    buffer_.clear();
    if (bytes.size() >= kBufferSize) WriteOut(bytes);
    else buffer_.append(bytes);
}

void AtomicFile::Complete()
{
    if (completed_ || fd_ < 0) return;
    WriteOut(buffer_);
    std::string().swap(buffer_);
    completed_ = true;
#ifdef SYNC_FILE_RANGE_WRITE
    // Starts the writing to disk; Sync waits for it, so the files of a
    // package are written out together rather than one wait after another.
    ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    // A completed file is found again by its name: a package of thousands of
    // files holds no descriptor for each.
    if (temp_.empty()) Name();
    if (const int error = CloseDescriptor()) Fail(error);
}

void AtomicFile::Sync()
{
    const int fd = ::open(temp_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail(errno);
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0) Fail(error);
}

// Links the unnamed file into its folder under a temporary name of ours.
void AtomicFile::Name()
{
    const std::string prefix = TemporaryPrefix() + std::to_string(::getpid()) + "-";
    const std::string descriptor = "/proc/self/fd/" + std::to_string(fd_);
    for (;;) {
        std::string name = prefix + NextUniqueSuffix();
        // Registered first: a signal between the two removes a name that
        // is not there yet, rather than leaving one behind.
        TemporaryFiles::Entry entry = TemporaryFiles::Register(name);
        if (::linkat(AT_FDCWD, descriptor.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temp_ = std::move(name);
            registered_ = entry;
            return;
        }
        const int error = errno;
        TemporaryFiles::Unregister(entry);
        // A name a killed process of the same id left behind.
        if (error != EEXIST) Fail(error);
    }
}

void AtomicFile::Rename()
{
    if (::rename(temp_.c_str(), replaced_.c_str()) != 0) Fail(errno);
    temp_.clear();
    TemporaryFiles::Unregister(registered_);
    registered_ = nullptr;
}

void AtomicFile::Commit()
{
    Complete();
    if (temp_.empty()) return;
    Sync();
    Rename();
}
