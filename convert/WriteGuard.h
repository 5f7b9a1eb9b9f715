#pragma once

#include "base/FilePlace.h"

#include <string>
#include <unordered_map>

// The files a run reads and writes, so that no file it writes is one of them:
// a save over the workbook, the settings, the scheme in use or another file of
// the same run would destroy it, or what the run has just saved. Every file
// is claimed before the first byte is written, so a refusal leaves everything
// as it was.
class WriteGuard {
public:
    // A file the run reads and must leave as it is; "" is no file.
    void Keep(const std::string& path);

    // A file the run will write; "" is no file. Raises QuarnelError naming
    // both files when it is the same file as a kept or an earlier claimed one
    // (however the paths are written: "..", symbolic or hard links), except
    // `mayReplace`, which it may be saved over (a scheme saved again over the
    // scheme it was read from); and naming it when it exists and is not a
    // regular file, or when its name is longer than its folder allows (an
    // invoice package's "-k.xml" can make it so).
    void Claim(const std::string& target, const std::string& mayReplace = "");

private:
    // Each file by where it leads, with the path it was first named by: a
    // claim is one look-up, however many files the run writes.
    std::unordered_map<FileIdentity, std::string, FileIdentityHash> known_;
};
