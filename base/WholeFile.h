#pragma once

#include <cstddef>
#include <string>

// A small file read whole: a scheme or the settings. Only a regular file of
// at most a given size is read; a FIFO, a device or a socket is not even
// opened for reading (that could wait forever or never end), and a larger
// file is not read past its limit.
struct WholeFile {
    enum class Outcome { Read, Missing, NotRegular, TooLarge, Unreadable };
    Outcome outcome = Outcome::Missing;
    std::string bytes;  // what was read, when Read
    int error = 0;      // the system's error, when Unreadable
};

WholeFile ReadRegularFile(const std::string& path, std::size_t maxBytes);

// Why the file was not read, in the words of the file errors (the limit
// given in kilobytes); "" when it was read or is missing.
std::string ReasonNotRead(const WholeFile& file, std::size_t maxBytes);
