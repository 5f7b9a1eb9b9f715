#pragma once

#include "base/AtomicFile.h"
#include "base/StopRequest.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The files of one run, which replace their targets together or not at all.
// Every file is completed and synced under its temporary name first; then a
// list of them (see ReplacementRecord) is synced beside the first, the files
// are renamed over their targets, their folders synced and the list removed.
// From the moment the list is published the replacement is always completed:
// SIGINT, SIGTERM and SIGHUP wait until the renames are done, and after
// SIGKILL or a power cut the next run in that folder completes it. Before
// then, a signal, a stop request or a failure leaves every target as it was.
// A single file needs no list: its one rename replaces it whole.
class FileReplacement {
public:
    enum class Outcome { Replaced, Stopped };

    FileReplacement() = default;
    // Without Commit, every file is removed and every target stays as it was.
    ~FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    void Add(std::unique_ptr<AtomicFile> file);
    bool Empty() const { return files_.empty(); }

    // Puts every file in place. The stop request is looked at for the last
    // time just before the list is published: Stopped means it was set, and
    // nothing was replaced. A failure before the list is published raises
    // FileFault and replaces nothing.
    Outcome Commit(const StopRequest& stop);

    // For the fault tests: called before the i-th rename (from 0), while
    // signals wait.
    static void SetRenameHook(std::function<void(std::size_t)> hook);

private:
    std::vector<std::unique_ptr<AtomicFile>> files_;
};
