#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Which file a path names, and as it stood: two looks at a path that give the
// same stamp saw the same, unchanged file.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at the path now; none when there is no file there
// to look at.
std::optional<FileStamp> StampOf(const std::string& path);

// A regular file opened once for reading. Every reader reads it at a position
// of its own (pread), so several readers, on several threads, share the one
// descriptor without sharing a position, and all of them read the file that
// was opened, even once another file has taken its name.
class OpenedFile {
public:
    enum class Outcome { Opened, Missing, Folder, NotRegular, Unreadable };
    struct Opening {
        Outcome outcome = Outcome::Missing;
        int error = 0; // the system's error, when Unreadable
        std::shared_ptr<const OpenedFile> file;
    };

    // A FIFO, a device or a socket is refused before it is opened (opening
    // one may already wait or do something), and again if one took the
    // file's place meanwhile.
    static Opening Open(const std::string& path);

    ~OpenedFile();
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    // As the file stood when it was opened.
    const FileStamp& Stamp() const { return stamp_; }
    std::uint64_t Size() const { return stamp_.size; }

    // Up to `size` bytes from `offset`; how many were read (0 at the end), or
    // -1 with errno set.
    long long ReadAt(std::uint64_t offset, char* buffer, std::size_t size) const;

    // The whole file as it reads now; none, with errno set, when it cannot be
    // read.
    std::optional<std::string> ReadAll() const;

private:
    OpenedFile(int descriptor, const FileStamp& stamp) : descriptor_(descriptor), stamp_(stamp) {}

    int descriptor_;
    FileStamp stamp_;
};
