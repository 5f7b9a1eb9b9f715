#include "base/FileReplacement.h"

#include "base/FilePlace.h"
#include "base/ReplacementRecord.h"
#include "base/TemporaryFiles.h"

#include <exception>
#include <optional>

namespace {

// Past this many files, one sync of their file systems is cheaper than one
// per file: a 50,000-row invoice is 3,334 of them.
constexpr std::size_t kSyncedOneByOne = 32;

std::function<void(std::size_t)>& RenameHook()
{
    static std::function<void(std::size_t)> hook;
    return hook;
}

} // namespace

void FileReplacement::SetRenameHook(std::function<void(std::size_t)> hook)
{
    RenameHook() = std::move(hook);
}

void FileReplacement::Add(std::unique_ptr<AtomicFile> file)
{
    if (file) files_.push_back(std::move(file));
}

FileReplacement::Outcome FileReplacement::Commit(const StopRequest& stop)
{
    if (files_.empty()) return stop.Requested() ? Outcome::Stopped : Outcome::Replaced;
    std::vector<std::string> folders;
    std::vector<ReplacementRecord::Entry> entries;
    for (const std::unique_ptr<AtomicFile>& file : files_) {
        file->Complete();
        folders.push_back(FolderOf(file->replaced_));
        entries.push_back({file->temp_, file->replaced_});
    }
    const bool many = files_.size() > kSyncedOneByOne;
    if (!many)
        for (const std::unique_ptr<AtomicFile>& file : files_) file->Sync();
    // The temporary names too: the list names them.
    if (const int error = SyncFolders(folders, many))
        throw FileFault(FileFault::Action::Write, files_.front()->target_, FileFault::Reason::SystemError, error);

    std::optional<ReplacementRecord> record;
    if (files_.size() > 1) record.emplace(folders.front(), entries, files_.front()->target_);
    SignalsHeld signals;
    // The last moment a stop leaves every file as it was.
    if (signals.Arrived() || stop.Requested()) return Outcome::Stopped;
    if (record) record->Publish();

    // Past the list, every file that can be renamed is: a failure names the
    // first file that could not, the others are in place.
    std::exception_ptr failure;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (RenameHook()) RenameHook()(i);
        try {
            files_[i]->Rename();
        } catch (const FileFault&) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (const int error = SyncFolders(folders, false); error && !failure)
        failure = std::make_exception_ptr(
            FileFault(FileFault::Action::Write, files_.front()->target_, FileFault::Reason::SystemError, error));
    record.reset();
    signals.FilesReplaced();
    files_.clear();
    if (failure) std::rethrow_exception(failure);
    return Outcome::Replaced;
}
