#pragma once

#include "base/FileFault.h"

#include <string>
#include <string_view>

// Writes a file beside its target under a temporary name; Commit flushes it to
// disk and renames it over the target. Destroyed without Commit (a failed or
// refused save), it removes the temporary file and the target stays exactly as
// it was. Every failure raises FileFault (writing) naming the target file.
//
// Only a regular file is ever replaced: a target that is a folder, a device, a
// FIFO or a socket, a file the runner may not write, or one marked read-only
// is refused before anything is written. A symbolic link is followed and its
// target replaced, so the link stays a link. The new file keeps the mode, and
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
    // Puts everything written on disk under the temporary name; the target is
    // not touched yet. Several files completed first and committed after
    // replace their targets together or, when one fails to complete, not at all.
    void Complete();
    // Completes the file if need be and renames it over the target.
    void Commit();

private:
    [[noreturn]] void Fail(int error);
    [[noreturn]] void FailBecause(FileFault::Reason reason);
    void RequireReplaceable();
    void TakeRightsOfTarget();
    std::string TemporaryPrefix() const;
    void RemoveStaleTemporaries() const;
    void WriteOut(std::string_view bytes);
    void Discard();

    std::string target_;   // as the user named it, for messages
    std::string replaced_; // the file that is replaced: the target, links followed
    std::string temp_;
    void* registered_ = nullptr; // the temporary file's TemporaryFiles entry
    int fd_ = -1;
    std::string buffer_;
};
