#pragma once

#include <string>
#include <string_view>

// The reason of a failed file operation, in Russian where we have the words.
std::string DescribeSystemError(int error);

// Writes a file beside its target under a temporary name; Commit flushes it to
// disk and renames it over the target. Destroyed without Commit (a failed or
// refused save), it removes the temporary file and the target stays exactly as
// it was. Every failure raises QuarnelError naming the target file.
class AtomicFile {
public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes);
    void Commit();

    const std::string& TargetPath() const { return target_; }

private:
    [[noreturn]] void Fail(int error);
    std::string TemporaryPrefix() const;
    void RemoveStaleTemporaries() const;
    void Discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    std::string buffer_;
};
