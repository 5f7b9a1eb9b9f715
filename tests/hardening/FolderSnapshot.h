#pragma once

#include <map>
#include <string>

// Every file below a folder (path relative to it -> bytes), every folder
// (path -> "<folder>"), symbolic link ("<link to TARGET>") and special file
// ("<special>"), to show that a failed action lost and left nothing.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot SnapshotOf(const std::string& folder);

// The names of temporary files an interrupted save could leave (".quarnel.tmp-")
// and the lists of files being replaced (".quarnel-replace-").
int TemporaryFilesIn(const std::string& folder);
