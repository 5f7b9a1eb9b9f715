#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Where a path leads on disk: the file a write through it replaces, what kind
// of file is there, and whether two paths name one file.

// The folder part of a path ("." when it has none) and its last component.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

// The path with the symbolic links of its last component followed, so that a
// write through a link replaces the link's target and the link stays a link.
// A link to a file that does not exist yet leads to that file's path; a path
// that is no link is returned as it is.
std::string LinkTargetPath(const std::string& path);

enum class FileKind { Missing, Regular, Folder, Special };

// What is at the path, links followed. A device, FIFO or socket is Special.
FileKind KindOf(const std::string& path);

// Whether the file's folder can hold a file of its name: most file systems
// take names of up to 255 bytes.
bool NameFitsItsFolder(const std::string& path);

// Whether nothing is there: no such name in the folder, or no such folder. A
// path the system will not look through (a loop of links, a folder without
// access) is not known to be missing, and reading it says why.
bool IsMissing(const std::string& path);

// Which file a path leads to: for a file that exists, its device and inode
// (so "./x/../a", a symbolic link and a hard link are all "a"); for one that
// does not exist yet, its folder's and its name.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    std::string name; // empty for a file that exists

    bool operator==(const FileIdentity&) const = default;
};

struct FileIdentityHash {
    std::size_t operator()(const FileIdentity& identity) const;
};

// Nothing when not even the folder is there.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// Whether the two paths lead to one file.
bool IsSameFile(const std::string& first, const std::string& second);

// The path from the root: a relative path is taken from the current folder.
std::string AbsolutePath(const std::string& path);
