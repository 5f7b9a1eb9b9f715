#pragma once

#include "base/FileFault.h"

#include <cstddef>
#include <string>

// A small file read whole: a scheme or the settings. Only a regular file of
// at most a given size is read; a FIFO, a device or a socket is not even
// opened for reading (that could wait forever or never end), and a larger
// file is not read past its limit.
struct WholeFile {
    enum class Outcome { Read, Missing, NotRegular, TooLarge, Unreadable };
    Outcome outcome = Outcome::Missing;
    std::string bytes; // what was read, when Read
    int error = 0;     // the system's error, when Unreadable

    // Why the file was not read, as the fault of reading it.
    FileFault Fault(const std::string& path, std::size_t maxBytes) const;
};

WholeFile ReadRegularFile(const std::string& path, std::size_t maxBytes);
// The first maxBytes of a regular file (all of a smaller one), with the same
// care: enough to tell what kind of file it is.
WholeFile ReadRegularFileStart(const std::string& path, std::size_t maxBytes);
