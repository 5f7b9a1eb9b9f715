#pragma once

#include <cstddef>
#include <string>

// A small in-memory file system mounted on an empty folder while it lives:
// a disk that fills up, or a medium that is read-only. The mount is made in a
// mount namespace of this test process, so it goes away with the process even
// when a test crashes. Needs root; Failure() tells why it could not be made.
class TmpfsMount {
public:
    TmpfsMount(const std::string& folder, std::size_t bytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    // Empty when mounted.
    const std::string& Failure() const { return failure_; }

    // From now on every write on it fails as on a write-protected medium.
    void MakeReadOnly();

private:
    std::string folder_;
    std::string failure_;
    bool mounted_ = false;
};
