#pragma once

#include "base/FileFault.h"

#include <string>
#include <string_view>

// Writes a file beside its target and puts it in place only when told to.
// Where the file system allows, the file has no name while it is written
// (O_TMPFILE), so a process killed, even by SIGKILL, leaves nothing; elsewhere
// it is written under a temporary name. Complete names it under a unique
// temporary name (".quarnel.tmp-PID-XXXXXX", short whatever the target's
// name) and closes it; Commit syncs it and renames that name over the
// target. A process killed in between leaves only that name, which the next
// save into the folder removes (see FileReplacement for files that replace
// their targets together). Destroyed without Commit (a failed or refused save), it removes
// what it wrote and the target stays exactly as it was. Every failure raises
// FileFault (writing) naming the target file.
//
// Only a regular file is ever replaced: a target that is a folder, a device, a
// FIFO or a socket, a file the runner may not write, or one marked read-only
// is refused before anything is written, and so are links that lead round in
// a loop. A symbolic link is followed and its target replaced, so the link
// stays a link. The new file keeps the mode, and
// where the runner may set them the owner and group, of the file it replaces.
class AtomicFile {
public:
    // Whether to look through the target's folder for temporary files that a
    // killed run left there: once per folder and run is enough, and a run of
    // thousands of files would otherwise read the folder for each.
    enum class StaleTemporaries { Remove, Leave };

    explicit AtomicFile(std::string targetPath, StaleTemporaries stale = StaleTemporaries::Remove);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes);
    // Writes out what is buffered, starts putting it on disk without waiting,
    // names the file under its temporary name and closes it; the target is
    // not touched yet.
    void Complete();
    // Completes the file if need be and puts it in place.
    void Commit();

private:
    friend class FileReplacement;

    void Sync();
    void Name();
    void Rename();
    // Closes the descriptor, if open: 0, or the error closing gave.
    int CloseDescriptor();
    [[noreturn]] void Fail(int error);
    [[noreturn]] void FailBecause(FileFault::Reason reason);
    void RequireReplaceable();
    void TakeRightsOfTarget();
    std::string TemporaryPrefix() const;
    void RemoveStaleTemporaries() const;
    void WriteOut(std::string_view bytes);
    void Discard();

    std::string target_;         // as the user named it, for messages
    std::string replaced_;       // the file that is replaced: the target, links followed
    std::string temp_;           // "" while the file has no name
    void* registered_ = nullptr; // the temporary name's TemporaryFiles entry
    int fd_ = -1;
    bool completed_ = false;
    std::string buffer_;
};
