#pragma once

#include <string>
#include <vector>

// The list of the files a run is about to rename over their targets, kept on
// disk while it does: once the list is published, the replacement is
// completed, by the run itself or, if it was killed or the power failed, by
// the next run that finds the list in its folder. The run holds a lock on its
// list, so a run never completes the replacement of another that is still
// going. Every system call of replacing files together lives here and in
// AtomicFile.
class ReplacementRecord {
public:
    struct Entry {
        std::string temporary; // the completed file's temporary name
        std::string target;    // the file it replaces, links followed
    };

    // Writes and syncs the list, under a temporary name in `folder`, and
    // locks it. Raises FileFault (writing) naming `shownAs`.
    ReplacementRecord(const std::string& folder, const std::vector<Entry>& entries, const std::string& shownAs);
    // Removes the list, under whichever name it has, and unlocks it.
    ~ReplacementRecord();
    ReplacementRecord(const ReplacementRecord&) = delete;
    ReplacementRecord& operator=(const ReplacementRecord&) = delete;

    // Names the list where a later run looks for it and syncs the folder.
    void Publish();

private:
    [[noreturn]] void Fail(int error);

    std::string shownAs_;
    std::string path_;
    void* registered_ = nullptr; // the temporary name's TemporaryFiles entry
    int fd_ = -1;
};

// Completes every replacement whose list lies in the folder and is locked by
// no one (a killed run's): the temporary files still there are renamed over
// their targets and the list is removed. Lists of another user and entries
// that do not name a temporary file beside its target are left alone.
void CompleteAbandonedReplacements(const std::string& folder);

// Puts on disk the completed files under the folders, and the names in them:
// the file systems whole where that saves syncing many files one by one
// (`wholeFileSystems`), else the folders only. Returns 0 or the error.
int SyncFolders(const std::vector<std::string>& folders, bool wholeFileSystems);
